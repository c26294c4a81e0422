#include "platform/CodePageText.h"

#include <cerrno>
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

} // namespace zorv
