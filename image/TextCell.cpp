#include "image/TextCell.h"

#include "image/LanguageTextsFile.h"
#include "platform/CodePageText.h"

namespace zorv {

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
    auto bytes = utf8ToCodePage(utf8);
    if (!bytes)
        return {std::nullopt, kNotGb2312Message};
    if (bytes->size() > kCellCapacity)
        return {std::nullopt, kCellTooLongMessage};
    return {std::move(bytes), nullptr};
}

} // namespace zorv
