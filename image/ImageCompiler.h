#pragma once
// Compiles a project into the download image: header, page directory, pages, ASCII font, glyph
// table, system alarm list and trailer, with every text reduced to ASCII bytes and references
// into the image's own glyphs.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "image/CompilePlace.h"
#include "image/GlyphFiles.h"
#include "model/CHCData.h"

namespace zorv {

// The download tool refuses larger images ("Download file more than 56K!").
constexpr std::size_t kImageLimit = 57344;
// The start of the message of a compile refused for its 513th distinct character.
inline constexpr const char* kTooManyGlyphsMessage =
    "Too many different characters, the limit is 512!";

struct CompileResult {
    bool ok = false;
    std::vector<uint8_t> image; // empty unless ok
    int glyphCount = 0;         // GlyphCodeList entries
    int textGlyphCount = 0;     // of them, the glyphs of the texts
    std::string message;        // the system's message when !ok
    // The page, and the widget where one is at fault, of a refused compile: the text that runs
    // past 512 glyphs, the character the fonts do not hold, the picture or page too large.
    std::optional<CompilePlace> refusedAt;
};

// Compiles a working copy of `project`; the project itself is left as it is, so callers need
// not read it back from its file. A missing font file, more than 512 distinct glyphs, a
// character that the fonts do not hold, a picture larger than the display or a page the image
// cannot address fail the compile with a message, and no image is given.
CompileResult compileImage(const CHCData& project, const GlyphSources& fonts);

// The same with the font files where fontFilePath finds them.
CompileResult compileImage(const CHCData& project, const Paths& paths);

} // namespace zorv
