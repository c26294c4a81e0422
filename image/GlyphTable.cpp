#include "image/GlyphTable.h"

#include <cstdio>

namespace zorv {

namespace {

// Where a glyph's character was first used, and the message when it is refused.
struct GlyphUse {
    const CompilePlace& place;
    std::string& message;
    std::optional<CompilePlace>& refusedAt;

    void refuse(std::string text) {
        message = std::move(text);
        refusedAt = place;
    }
};

// The glyph of a library character, refused when the library does not hold it.
std::optional<FullGlyph> libraryGlyph(const GlyphSources& fonts, FontFile file, uint16_t code,
                                      GlyphUse use) {
    std::string& message = use.message;
    const auto& library = *fonts.file(file);
    const uint8_t number = file == FontFile::UserLib ? uint8_t(code - 0xFF80) : uint8_t(code);
    const auto count = libraryCharacterCount(library);
    if (!count) {
        message = fontReadFailure(file);
        return std::nullopt;
    }
    if (number >= *count) {
        use.refuse("The character &" + hexCode(code & 0xFF, 2) + " used on " +
                   use.place.describe() + " is not in the " + fontFileName(file) + "!");
        return std::nullopt;
    }
    auto glyph = readLibraryGlyph(library, number);
    if (!glyph)
        message = fontReadFailure(file);
    return glyph;
}

std::optional<FullGlyph> hanziGlyph(const GlyphSources& fonts, uint16_t code, GlyphUse use) {
    const auto offset = hzk14Offset(code);
    if (!offset) {
        use.refuse("The character code " + hexCode(code, 4) + " used on " + use.place.describe() +
                   " is not a GB2312 character!");
        return std::nullopt;
    }
    auto glyph = readHzk14Glyph(*fonts.file(FontFile::Hzk14), *offset);
    if (!glyph)
        use.message = fontReadFailure(FontFile::Hzk14);
    return glyph;
}

} // namespace

std::string hexCode(unsigned value, int digits) {
    char text[8];
    std::snprintf(text, sizeof text, "%0*X", digits, value);
    return text;
}

bool appendAsciiFont(std::span<const uint8_t> asc16, std::vector<uint8_t>& out,
                     std::string& message) {
    for (int c = kAsciiFirst; c <= kAsciiLast; ++c) {
        const auto glyph = readAsciiGlyph(asc16, uint8_t(c));
        if (!glyph) {
            message = fontReadFailure(FontFile::Asc16);
            return false;
        }
        out.insert(out.end(), glyph->begin(), glyph->end());
    }
    return true;
}

bool appendGlyphTable(const GlyphCodeList& glyphs, const std::vector<CompilePlace>& places,
                      const GlyphSources& fonts, std::vector<uint8_t>& out, std::string& message,
                      std::optional<CompilePlace>& refusedAt) {
    for (int k = 0; k < glyphs.size(); ++k) {
        const uint16_t code = glyphs.code(k);
        const GlyphUse use{places[std::size_t(k)], message, refusedAt};
        std::optional<FullGlyph> glyph;
        if (k >= glyphs.textGlyphCount() || (code >= 0xFF00 && code < 0xFF80))
            glyph = libraryGlyph(fonts, FontFile::Syslib1, code, use);
        else if (code >= 0xFF80)
            glyph = libraryGlyph(fonts, FontFile::UserLib, code, use);
        else
            glyph = hanziGlyph(fonts, code, use);
        if (!glyph)
            return false;
        out.insert(out.end(), glyph->begin(), glyph->end());
    }
    return true;
}

} // namespace zorv
