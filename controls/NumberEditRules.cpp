#include "NumberEditRules.h"

#include <limits>

namespace zorv::numberedit {

namespace {

constexpr char32_t kBackspace = 0x08;
constexpr char32_t kCopy = 0x03;  // Ctrl+C
constexpr char32_t kCut = 0x18;   // Ctrl+X
constexpr char32_t kPaste = 0x16; // Ctrl+V

bool isDigit(char32_t c) {
    return c >= '0' && c <= '9';
}

} // namespace

bool acceptsTypedCharacter(char32_t character, int position, int32_t minimum) {
    if (isDigit(character))
        return true;
    if (character == kBackspace || character == kCopy || character == kCut || character == kPaste)
        return true;
    return character == '-' && position == 0 && minimum < 0;
}

Shortcut ctrlShortcut(char32_t letter) {
    switch (letter) {
    case 'A':
    case 'a':
        return Shortcut::SelectAll;
    case 'C':
    case 'c':
        return Shortcut::Copy;
    case 'X':
    case 'x':
        return Shortcut::Cut;
    case 'V':
    case 'v':
        return Shortcut::Paste;
    case 'Z':
    case 'z':
        return Shortcut::Undo;
    default:
        return Shortcut::None;
    }
}

int lengthLimit(std::string_view text, int baseLimit) {
    return text.find('-') == std::string_view::npos ? baseLimit : baseLimit + 1;
}

int64_t textValue(std::string_view text) {
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (negative)
        i = 1;
    constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
    int64_t magnitude = 0;
    for (; i < text.size() && isDigit(static_cast<unsigned char>(text[i])); ++i) {
        const int digit = text[i] - '0';
        if (magnitude > (kMax - digit) / 10) {
            magnitude = kMax;
            break;
        }
        magnitude = magnitude * 10 + digit;
    }
    return negative ? -magnitude : magnitude;
}

std::string correctedText(std::string_view text, int32_t minimum, uint32_t maximum, int baseLimit) {
    std::string kept;
    for (const char c : text) {
        if (isDigit(static_cast<unsigned char>(c)) || (c == '-' && minimum < 0))
            kept.push_back(c);
    }
    const std::size_t lastMinus = kept.rfind('-');
    if (lastMinus != std::string::npos && lastMinus > 0)
        kept.erase(0, lastMinus);

    const int limit = lengthLimit(kept, baseLimit);
    if (limit < 0)
        return kept;
    if (kept.size() > static_cast<std::size_t>(limit))
        kept.resize(static_cast<std::size_t>(limit));
    const bool hasDigits = !kept.empty() && kept != "-";
    if (!hasDigits || kept.size() < static_cast<std::size_t>(limit))
        return kept;

    const int64_t value = textValue(kept);
    if (value < minimum)
        return std::to_string(minimum);
    if (value > static_cast<int64_t>(maximum))
        return std::to_string(maximum);
    return kept;
}

} // namespace zorv::numberedit
