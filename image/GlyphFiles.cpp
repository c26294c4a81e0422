#include "image/GlyphFiles.h"

#include <algorithm>

#include "image/BandBitmap.h"
#include "model/Bytes.h"
#include "platform/FileRead.h"

namespace zorv {

namespace {

constexpr std::size_t kAsciiGlyphBytes = 16, kHzk14GlyphBytes = 28, kLibraryCountOff = 10;

// The `n` bytes at `offset`, or an empty span when the file ends before them.
std::span<const uint8_t> bytesAt(std::span<const uint8_t> file, std::size_t offset, std::size_t n) {
    if (offset > file.size() || n > file.size() - offset)
        return {};
    return file.subspan(offset, n);
}

} // namespace

const char* fontFileName(FontFile file) {
    switch (file) {
    case FontFile::Asc16:
        return "Asc16.dat";
    case FontFile::Hzk14:
        return "Hzk14.dat";
    case FontFile::UserLib:
        return "UserLib.dat";
    case FontFile::Syslib1:
        return "Syslib1.dat";
    }
    return "";
}

std::string fontOpenFailure(FontFile file) {
    return std::string("Failed to open the ") + fontFileName(file) + "!";
}

std::string fontReadFailure(FontFile file) {
    return std::string("Failed to read the ") + fontFileName(file) + "!";
}

std::filesystem::path fontFilePath(const Paths& paths, FontFile file) {
    if (file == FontFile::UserLib) {
        const std::filesystem::path edited = paths.workFolder() / fontFileName(file);
        std::error_code error;
        if (std::filesystem::is_regular_file(edited, error))
            return edited;
    }
    return paths.programFolder() / fontFileName(file);
}

oonedraw::GLibraryGlyphs::LocateFn libraryLocator(const Paths& paths) {
    return [&paths](oonedraw::GLibraryGlyphs::Library library) {
        return fontFilePath(paths, library == oonedraw::GLibraryGlyphs::Library::User
                                       ? FontFile::UserLib
                                       : FontFile::Syslib1);
    };
}

GlyphSources readGlyphSources(const Paths& paths) {
    GlyphSources sources;
    for (FontFile f : {FontFile::Asc16, FontFile::Hzk14, FontFile::UserLib, FontFile::Syslib1}) {
        FileContents contents = readWholeFile(fontFilePath(paths, f));
        if (contents)
            sources.file(f) = std::move(contents.bytes);
    }
    return sources;
}

std::optional<AsciiGlyph> readAsciiGlyph(std::span<const uint8_t> asc16, uint8_t code) {
    const auto rows = bytesAt(asc16, kAsciiGlyphBytes * code, kAsciiGlyphBytes);
    if (rows.empty())
        return std::nullopt;
    AsciiGlyph glyph{};
    packBand(
        8, [&](int r, int x) { return (rows[std::size_t(r)] >> (7 - x)) & 1; }, glyph.data());
    return glyph;
}

std::optional<std::size_t> hzk14Offset(uint16_t code) {
    const int lead = code >> 8, trail = code & 0xFF;
    if (lead < 0xA1 || lead > 0xFE || trail < 0xA1 || trail > 0xFE)
        return std::nullopt;
    return std::size_t((lead - 0xA1) * 94 + (trail - 0xA1)) * kHzk14GlyphBytes;
}

std::optional<FullGlyph> readHzk14Glyph(std::span<const uint8_t> hzk14, std::size_t offset) {
    const auto rows = bytesAt(hzk14, offset, kHzk14GlyphBytes);
    if (rows.empty())
        return std::nullopt;
    // Glyph rows 0..13 are cell rows 1..14, shifted one pixel right into cell columns 1..14.
    std::array<uint16_t, 16> cell{};
    for (int r = 0; r < 14; ++r)
        cell[std::size_t(r + 1)] =
            uint16_t((rows[std::size_t(2 * r)] << 8 | rows[std::size_t(2 * r + 1)]) >> 1);
    FullGlyph glyph{};
    packBand(
        16, [&](int r, int x) { return (cell[std::size_t(r)] >> (15 - x)) & 1; }, glyph.data());
    return glyph;
}

std::optional<uint32_t> libraryCharacterCount(std::span<const uint8_t> library) {
    const auto head = bytesAt(library, kLibraryCountOff, 4);
    if (head.empty())
        return std::nullopt;
    return le::u32(head.data());
}

std::optional<FullGlyph> readLibraryGlyph(std::span<const uint8_t> library, uint8_t number) {
    const auto bytes = bytesAt(library, libraryGlyphOffset(number), 32);
    if (bytes.empty())
        return std::nullopt;
    FullGlyph glyph{};
    std::copy(bytes.begin(), bytes.end(), glyph.begin());
    return glyph;
}

} // namespace zorv
