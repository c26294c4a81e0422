#include "cli/texts/XmlReader.h"

#include <algorithm>
#include <cctype>

#include "platform/CodePageText.h"

namespace zorv {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isNameStart(unsigned char c) {
    return std::isalpha(c) || c == '_' || c == ':' || c >= 0x80;
}

bool isNameCharacter(unsigned char c) {
    return isNameStart(c) || std::isdigit(c) || c == '-' || c == '.';
}

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// The characters XML allows in a document.
bool isXmlCharacter(uint32_t c) {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
           (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

void appendUtf8(uint32_t c, std::string& out) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) {}

    bool document(XmlElement& root) {
        if (text_.starts_with(kByteOrderMark))
            at_ = kByteOrderMark.size();
        if (startsWith("<?xml") && !declaration())
            return false;
        if (!misc())
            return false;
        if (startsWith("<!DOCTYPE"))
            return fail("a document type declaration is not accepted");
        if (!startsWith("<"))
            return fail("the document has no root element");
        if (!element(root, 1) || !misc())
            return false;
        return atEnd() || fail("text after the root element");
    }

    std::string fault;

private:
    std::string_view text_;
    std::size_t at_ = 0;
    int line_ = 1;
    std::size_t elements_ = 0;

    bool fail(const std::string& what) {
        fault = "line " + std::to_string(line_) + ": " + what;
        return false;
    }
    bool atEnd() const { return at_ >= text_.size(); }
    char peek() const { return atEnd() ? '\0' : text_[at_]; }
    bool startsWith(std::string_view s) const { return text_.substr(at_).starts_with(s); }
    void advance(std::size_t n) {
        for (const std::size_t end = std::min(at_ + n, text_.size()); at_ < end; ++at_)
            if (text_[at_] == '\n')
                ++line_;
    }
    void skipSpace() {
        while (!atEnd() && isSpace(text_[at_]))
            advance(1);
    }
    // Past the next `end`; `what` names the construct left open.
    bool skipPast(std::string_view end, const char* what) {
        const std::size_t found = text_.find(end, at_);
        if (found == std::string_view::npos)
            return fail(std::string(what) + " is not closed");
        advance(found + end.size() - at_);
        return true;
    }

    bool declaration() {
        const std::size_t end = text_.find("?>", at_);
        if (end == std::string_view::npos)
            return fail("the XML declaration is not closed");
        std::string head(text_.substr(at_, end - at_));
        std::transform(head.begin(), head.end(), head.begin(),
                       [](unsigned char c) { return char(std::tolower(c)); });
        const std::size_t encoding = head.find("encoding");
        if (encoding != std::string::npos && head.find("utf-8", encoding) == std::string::npos)
            return fail("the file is not in UTF-8");
        advance(end + 2 - at_);
        return true;
    }

    // Blanks, comments and processing instructions between the elements.
    bool misc() {
        for (;;) {
            skipSpace();
            if (startsWith("<!--")) {
                if (!skipPast("-->", "a comment"))
                    return false;
            } else if (startsWith("<?")) {
                if (!skipPast("?>", "a processing instruction"))
                    return false;
            } else {
                return true;
            }
        }
    }

    bool name(std::string& out) {
        const std::size_t start = at_;
        if (atEnd() || !isNameStart(uint8_t(text_[at_])))
            return fail("a name is expected");
        while (!atEnd() && isNameCharacter(uint8_t(text_[at_])))
            ++at_;
        out = text_.substr(start, at_ - start);
        return true;
    }

    // A character reference or a predefined entity, at "&".
    bool reference(std::string& out) {
        const std::size_t end = text_.find(';', at_);
        if (end == std::string_view::npos || end - at_ > 12)
            return fail("an \"&\" that starts no reference");
        const std::string_view ref = text_.substr(at_ + 1, end - at_ - 1);
        static constexpr std::pair<std::string_view, char> kEntities[] = {
            {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
        for (const auto& [entity, c] : kEntities)
            if (ref == entity) {
                out += c;
                advance(end + 1 - at_);
                return true;
            }
        if (!ref.starts_with('#'))
            return fail("the entity &" + std::string(ref) + "; is not known");
        const bool hex = ref.starts_with("#x");
        const std::string_view digits = ref.substr(hex ? 2 : 1);
        uint32_t code = 0;
        for (const char c : digits) {
            const int digit = std::isdigit(uint8_t(c))           ? c - '0'
                              : hex && std::isxdigit(uint8_t(c)) ? std::tolower(c) - 'a' + 10
                                                                 : -1;
            if (digit < 0 || code > 0x10FFFF)
                return fail("the character reference &" + std::string(ref) + "; is damaged");
            code = code * (hex ? 16 : 10) + uint32_t(digit);
        }
        if (digits.empty() || !isXmlCharacter(code))
            return fail("the character reference &" + std::string(ref) + "; names no character");
        appendUtf8(code, out);
        advance(end + 1 - at_);
        return true;
    }

    // One character of text or of an attribute value; line ends become LF. A CDATA section's
    // characters are `literal`: an "&" there is itself.
    bool character(std::string& out, bool inAttribute, bool literal = false) {
        const char c = text_[at_];
        if (c == '&' && !literal)
            return reference(out);
        if (uint8_t(c) < 0x20 && !isSpace(c))
            return fail("a control character, which XML does not allow");
        if (c == '\r') {
            advance(startsWith("\r\n") ? 2 : 1);
            out += inAttribute ? ' ' : '\n';
            return true;
        }
        out += inAttribute && isSpace(c) ? ' ' : c;
        advance(1);
        return true;
    }

    bool attributeValue(std::string& out) {
        const char quote = peek();
        if (quote != '"' && quote != '\'')
            return fail("an attribute value must be quoted");
        advance(1);
        while (!atEnd() && text_[at_] != quote) {
            if (text_[at_] == '<')
                return fail("a \"<\" in an attribute value");
            if (!character(out, true))
                return false;
        }
        if (atEnd())
            return fail("an attribute value is not closed");
        advance(1);
        return true;
    }

    bool attributes(XmlElement& e) {
        for (;;) {
            const std::size_t before = at_;
            skipSpace();
            if (atEnd())
                return fail("the start tag <" + e.name + "> is not closed");
            if (peek() == '>' || startsWith("/>"))
                return true;
            if (at_ == before)
                return fail("a blank is expected between the attributes of <" + e.name + ">");
            std::string key, value;
            if (!name(key))
                return false;
            skipSpace();
            if (peek() != '=')
                return fail("the attribute " + key + " has no value");
            advance(1);
            skipSpace();
            if (!attributeValue(value))
                return false;
            if (e.attribute(key))
                return fail("the attribute " + key + " is given twice");
            e.attributes.emplace_back(std::move(key), std::move(value));
        }
    }

    bool element(XmlElement& e, int depth) {
        if (depth > kMaxXmlDepth)
            return fail("elements are nested too deep");
        if (++elements_ > kMaxXmlElements)
            return fail("the document has too many elements");
        e.line = line_;
        advance(1); // "<"
        if (!name(e.name) || !attributes(e))
            return false;
        if (startsWith("/>")) {
            advance(2);
            return true;
        }
        advance(1); // ">"
        return content(e, depth);
    }

    bool content(XmlElement& e, int depth) {
        for (;;) {
            if (atEnd())
                return fail("the element <" + e.name + "> is not closed");
            if (startsWith("</")) {
                advance(2);
                std::string closing;
                if (!name(closing))
                    return false;
                skipSpace();
                if (closing != e.name || peek() != '>')
                    return fail("the end tag </" + closing + "> closes <" + e.name + ">");
                advance(1);
                return true;
            }
            if (startsWith("<![CDATA[")) {
                advance(9);
                const std::size_t end = text_.find("]]>", at_);
                if (end == std::string_view::npos)
                    return fail("a CDATA section is not closed");
                while (at_ < end)
                    if (!character(e.text, false, true))
                        return false;
                advance(3);
            } else if (startsWith("<!--")) {
                if (!skipPast("-->", "a comment"))
                    return false;
            } else if (startsWith("<?")) {
                if (!skipPast("?>", "a processing instruction"))
                    return false;
            } else if (startsWith("<!")) {
                return fail("a declaration inside an element");
            } else if (peek() == '<') {
                XmlElement child;
                if (!element(child, depth + 1))
                    return false;
                e.text += child.text;
                e.children.push_back(std::move(child));
            } else if (!character(e.text, false)) {
                return false;
            }
        }
    }
};

} // namespace

std::string_view XmlElement::localName() const {
    const std::string_view n = name;
    const std::size_t colon = n.find(':');
    return colon == std::string_view::npos ? n : n.substr(colon + 1);
}

const std::string* XmlElement::attribute(std::string_view attributeName) const {
    for (const auto& [key, value] : attributes)
        if (key == attributeName)
            return &value;
    return nullptr;
}

bool parseXml(std::string_view text, XmlElement& root, std::string& fault) {
    root = XmlElement{};
    if (text.size() > kMaxXmlBytes) {
        fault = "line 1: the file is larger than " + std::to_string(kMaxXmlBytes >> 20) + " MiB";
        return false;
    }
    if (!isUtf8(text)) {
        fault = "line 1: the file is not UTF-8 text";
        return false;
    }
    Parser parser(text);
    if (parser.document(root))
        return true;
    fault = parser.fault;
    return false;
}

} // namespace zorv
