#pragma once
// The four font files of the program folder and the glyphs the compiler takes from them.

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "oonedraw/GLibraryGlyphs.h"
#include "platform/Paths.h"

namespace zorv {

// In the order in which a compile opens them.
enum class FontFile { Asc16 = 0, Hzk14 = 1, UserLib = 2, Syslib1 = 3 };

const char* fontFileName(FontFile file); // "Asc16.dat" ...
// "Failed to open the Asc16.dat!" ...
std::string fontOpenFailure(FontFile file);
// For a file that holds fewer bytes than its layout promises.
std::string fontReadFailure(FontFile file);

// The bytes of the font files; a file that could not be read is absent.
struct GlyphSources {
    std::array<std::optional<std::vector<uint8_t>>, 4> files;

    const std::optional<std::vector<uint8_t>>& file(FontFile f) const {
        return files[std::size_t(f)];
    }
    std::optional<std::vector<uint8_t>>& file(FontFile f) { return files[std::size_t(f)]; }
};

// Where a font file is read. UserLib.dat, the user-defined characters that FontMaker saves into
// the work folder, is the work folder's copy when there is one, else the program folder's; the
// other files are the program folder's. The compiler, the page canvas and FontMaker all ask here.
std::filesystem::path fontFilePath(const Paths& paths, FontFile file);

// The same for the page canvas's library characters; `paths` must outlive the glyph source.
oonedraw::GLibraryGlyphs::LocateFn libraryLocator(const Paths& paths);

// Reads the four files from where fontFilePath finds them.
GlyphSources readGlyphSources(const Paths& paths);

using AsciiGlyph = std::array<uint8_t, 16>;
using FullGlyph = std::array<uint8_t, 32>;

// An 8x16 glyph of Asc16.dat (16 rows, top first, most significant bit leftmost) in the
// image's glyph format; nothing when the file is too short.
std::optional<AsciiGlyph> readAsciiGlyph(std::span<const uint8_t> asc16, uint8_t code);

// Offset of a GB2312 character (lead and trail byte 0xA1..0xFE) in Hzk14.dat; nothing for a
// code outside the 94 x 94 grid.
std::optional<std::size_t> hzk14Offset(uint16_t code);
// The 14x14 glyph at `offset`, centred in the 16x16 cell; nothing when the file is too short.
std::optional<FullGlyph> readHzk14Glyph(std::span<const uint8_t> hzk14, std::size_t offset);

// The number of characters of UserLib.dat or Syslib1.dat (u32 at 10 of the file head);
// nothing when the head is incomplete.
std::optional<uint32_t> libraryCharacterCount(std::span<const uint8_t> library);
constexpr std::size_t libraryGlyphOffset(uint8_t number) {
    return 66 + 84 * std::size_t(number);
}
// The glyph of library character `number`, stored in the image's format; nothing when the
// file is too short.
std::optional<FullGlyph> readLibraryGlyph(std::span<const uint8_t> library, uint8_t number);

} // namespace zorv
