#include "platform/CodePageText.h"

#include <cerrno>
#include <cstdint>
#include <iconv.h>

namespace zorv {

namespace {

// One whole conversion through a fresh converter; nothing on any conversion error.
std::optional<std::string> convert(const char* to, const char* from, std::string_view in) {
    iconv_t cd = iconv_open(to, from);
    if (cd == iconv_t(-1))
        return std::nullopt;
    std::string out;
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    char buffer[256];
    bool ok = true;
    while (srcLeft > 0) {
        char* dst = buffer;
        std::size_t dstLeft = sizeof buffer;
        const std::size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(buffer, std::size_t(dst - buffer));
        if (r == std::size_t(-1) && errno != E2BIG) {
            ok = false; // an invalid or incomplete sequence
            break;
        }
    }
    iconv_close(cd);
    if (!ok)
        return std::nullopt;
    return out;
}

bool isAscii(std::string_view s) {
    for (unsigned char c : s) {
        if (c >= 0x80)
            return false;
    }
    return true;
}

} // namespace

std::optional<std::string> codePageToUtf8(std::string_view bytes) {
    if (isAscii(bytes))
        return std::string(bytes);
    auto text = convert("UTF-8", "GB2312", bytes);
    if (!text)
        return std::nullopt;
    auto back = convert("GB2312", "UTF-8", *text);
    if (!back || *back != bytes)
        return std::nullopt;
    return text;
}

std::optional<std::string> utf8ToCodePage(std::string_view text) {
    if (isAscii(text))
        return std::string(text);
    return convert("GB2312", "UTF-8", text);
}

std::optional<Utf8Character> utf8CharacterAt(std::string_view text, std::size_t at) {
    if (at >= text.size())
        return std::nullopt;
    const auto lead = uint8_t(text[at]);
    if (lead < 0x80)
        return Utf8Character{lead, 1};
    // The length a lead byte announces, the bits it carries and the least code of that length.
    std::size_t length;
    char32_t code;
    char32_t least;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, code = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, code = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, code = lead & 0x07, least = 0x10000;
    } else {
        return std::nullopt;
    }
    if (text.size() - at < length)
        return std::nullopt;
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = uint8_t(text[at + k]);
        if ((next & 0xC0) != 0x80)
            return std::nullopt;
        code = (code << 6) | (next & 0x3F);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return std::nullopt;
    return Utf8Character{code, length};
}

bool isUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const auto c = utf8CharacterAt(text, at);
        if (!c)
            return false;
        at += c->length;
    }
    return true;
}

} // namespace zorv
