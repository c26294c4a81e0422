#include "image/TextCell.h"

#include <cstdio>

#include "image/LanguageTextsFile.h"
#include "platform/CodePageText.h"

namespace zorv {

namespace {

bool isControl(char32_t c) {
    return c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0);
}

} // namespace

std::optional<Unshowable> firstUnshowable(std::string_view utf8) {
    for (std::size_t at = 0; at < utf8.size();) {
        const auto c = utf8CharacterAt(utf8, at);
        if (!c)
            return Unshowable{0xFFFD, "\xEF\xBF\xBD"};
        const std::string_view character = utf8.substr(at, c->length);
        if (isControl(c->code) || (c->code >= 0x80 && !utf8ToCodePage(character)))
            return Unshowable{c->code, std::string(character)};
        at += c->length;
    }
    return std::nullopt;
}

std::optional<Unshowable> firstUnshowableByte(std::string_view bytes) {
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        const auto c = uint8_t(bytes[at]);
        if (c >= 0x80)
            ++at; // the trail byte of a double-byte character
        else if (isControl(c))
            return Unshowable{c, std::string(1, char(c))};
    }
    return std::nullopt;
}

std::string unshowableMessage(const Unshowable& c) {
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", unsigned(c.code));
    const std::string named =
        isControl(c.code) ? std::string(code) : "'" + c.utf8 + "' (" + code + ")";
    return named + " cannot be shown on the panel";
}

std::string cellTextOfBytes(std::string_view bytes) {
    if (auto text = codePageToUtf8(bytes))
        return *text;
    // Convert what can be converted: ASCII as it is, a whole GB2312 pair as its character.
    std::string out;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto c = uint8_t(bytes[i]);
        if (c < 0x80) {
            out += char(c);
            ++i;
            continue;
        }
        if (i + 1 < bytes.size()) {
            if (auto pair = codePageToUtf8(bytes.substr(i, 2))) {
                out += *pair;
                i += 2;
                continue;
            }
        }
        out += "\xEF\xBF\xBD"; // U+FFFD
        ++i;
    }
    return out;
}

CellBytes cellBytesOfText(std::string_view utf8) {
    if (const auto unshowable = firstUnshowable(utf8)) {
        const std::string reason = unshowableMessage(*unshowable);
        return {std::nullopt, reason + kCellKeepsItsTextMessage, reason};
    }
    // Every character has a code, so the whole text converts.
    std::string bytes = utf8ToCodePage(utf8).value_or(std::string());
    if (bytes.size() > kCellCapacity)
        return {std::nullopt, kCellTooLongMessage,
                "The text takes " + std::to_string(bytes.size()) + " bytes; at most " +
                    std::to_string(kCellCapacity) + " fit (a Chinese character takes 2)"};
    return {std::move(bytes), {}, {}};
}

} // namespace zorv
