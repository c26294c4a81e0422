#pragma once
// Text put into HTML or XML: the characters markup gives a meaning to, written as entities.

#include <string>
#include <string_view>

namespace zorv {

inline std::string markupEscaped(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (const char c : utf8) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

} // namespace zorv
