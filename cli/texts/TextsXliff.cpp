// The XLIFF 1.2 form of the translation file: one trans-unit per text, language 1 as its source
// and language 2 as its target, the limits as the unit's maxbytes and maxwidth (in display
// cells, "col"), the page, widget and position as a context group. A unit without a target
// leaves language 2 as it is.

#include <map>

#include "cli/texts/TranslationFile.h"
#include "cli/texts/XmlReader.h"
#include "model/MarkupEscape.h"

namespace zorv {

namespace {

constexpr std::string_view kNamespace = "urn:oasis:names:tc:xliff:document:1.2";

void context(std::string& out, const char* type, std::string_view value) {
    out += "          <context context-type=\"" + std::string(type) + "\">" + markupEscaped(value) +
           "</context>\n";
}

void unit(std::string& out, const TextEntry& e) {
    out += "      <trans-unit id=\"" + markupEscaped(e.id) + "\" maxbytes=\"" +
           std::to_string(e.maxBytes) + "\" maxwidth=\"" + std::to_string(e.maxCells) +
           "\" size-unit=\"col\" xml:space=\"preserve\">\n";
    out += "        <source>" + markupEscaped(fileTextOf(e.text[0])) + "</source>\n";
    out += "        <target>" + markupEscaped(fileTextOf(e.text[1])) + "</target>\n";
    out += "        <context-group purpose=\"location\">\n";
    if (e.place.page) {
        context(out, "x-page", std::to_string(*e.place.page));
        context(out, "x-page-description", e.pageDescription);
    }
    context(out, "x-widget", e.widget);
    if (!e.part.empty())
        context(out, "x-part", e.part);
    if (e.place.page)
        context(out, "x-position", std::to_string(e.x) + "," + std::to_string(e.y));
    out += "        </context-group>\n";
    out += "      </trans-unit>\n";
}

// The namespace a prefix (empty: the default one) stands for at `e`, looked up from the root
// down `path`.
std::string namespaceOf(const std::vector<const XmlElement*>& path, std::string_view prefix) {
    const std::string attribute = prefix.empty() ? "xmlns" : "xmlns:" + std::string(prefix);
    for (auto it = path.rbegin(); it != path.rend(); ++it)
        if (const std::string* value = (*it)->attribute(attribute))
            return *value;
    return {};
}

bool inXliff(const std::vector<const XmlElement*>& path) {
    const std::string_view name = path.back()->name;
    const std::size_t colon = name.find(':');
    return namespaceOf(path, colon == std::string_view::npos ? "" : name.substr(0, colon)) ==
           kNamespace;
}

// The first XLIFF child of that local name, or nullptr.
const XmlElement* child(std::vector<const XmlElement*>& path, const XmlElement& e,
                        std::string_view localName) {
    for (const XmlElement& c : e.children) {
        path.push_back(&c);
        const bool found = c.localName() == localName && inXliff(path);
        path.pop_back();
        if (found)
            return &c;
    }
    return nullptr;
}

// Every trans-unit within `e`, in document order (groups may hold them at any depth).
bool collectUnits(std::vector<const XmlElement*>& path, std::vector<TranslatedText>& out,
                  std::string& fault) {
    const XmlElement& e = *path.back();
    for (const XmlElement& c : e.children) {
        path.push_back(&c);
        if (c.localName() == "trans-unit" && inXliff(path)) {
            const std::string* id = c.attribute("id");
            const XmlElement* source = child(path, c, "source");
            if (!id || !source) {
                fault = "line " + std::to_string(c.line) + ": a trans-unit without " +
                        (id ? "a source" : "an id");
                return false;
            }
            TranslatedText t;
            t.line = c.line;
            t.id = *id;
            t.text[0] = source->text;
            if (const XmlElement* target = child(path, c, "target"))
                t.text[1] = target->text;
            out.push_back(std::move(t));
        } else if (!collectUnits(path, out, fault)) {
            return false;
        }
        path.pop_back();
    }
    return true;
}

} // namespace

std::string textsXliff(const std::vector<TextEntry>& entries, std::string_view original) {
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out += "<xliff version=\"1.2\" xmlns=\"" + std::string(kNamespace) + "\">\n";
    out += "  <file original=\"" + markupEscaped(original) +
           "\" source-language=\"x-language1\" target-language=\"x-language2\" "
           "datatype=\"plaintext\">\n";
    out += "    <body>\n";
    for (const TextEntry& e : entries)
        unit(out, e);
    out += "    </body>\n  </file>\n</xliff>\n";
    return out;
}

bool readTextsXliff(std::string_view file, std::vector<TranslatedText>& out, std::string& fault) {
    out.clear();
    XmlElement root;
    if (!parseXml(file, root, fault))
        return false;
    std::vector<const XmlElement*> path{&root};
    const std::string* version = root.attribute("version");
    if (root.localName() != "xliff" || !inXliff(path) || !version || *version != "1.2") {
        fault = "line " + std::to_string(root.line) + ": the file is no XLIFF 1.2 document";
        return false;
    }
    return collectUnits(path, out, fault);
}

} // namespace zorv
