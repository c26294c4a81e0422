#pragma once
// A small XML reader for the translation files: elements, attributes, character data with the
// predefined and numeric character references, CDATA sections, comments and processing
// instructions. A document type declaration is refused (no entities beyond the predefined
// ones), and so is everything that is not well-formed.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zorv {

struct XmlElement {
    std::string name; // as written, with its prefix
    std::vector<std::pair<std::string, std::string>> attributes;
    std::vector<XmlElement> children;
    std::string text; // all character data within, that of the children too, in document order
    int line = 0;     // where the start tag begins

    std::string_view localName() const;
    // The value of the attribute of that name as written, or nullptr.
    const std::string* attribute(std::string_view attributeName) const;
};

inline constexpr std::size_t kMaxXmlBytes = 32u << 20;
inline constexpr int kMaxXmlDepth = 32;
inline constexpr std::size_t kMaxXmlElements = 1000000;

// False with `fault` ("line 12: the end tag </target> closes <source>") when the text is no
// well-formed UTF-8 XML document within the limits above.
bool parseXml(std::string_view text, XmlElement& root, std::string& fault);

} // namespace zorv
