#pragma once
// How much of the panel's memory a project takes: its image compiled in memory, measured
// against the 57344-byte and 512-glyph limits, by section and by page.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "image/ImageCompiler.h"

namespace zorv {

constexpr int kGlyphLimit = 512;

// The image's sections in file order.
enum class ImageSection { Header, PageDirectory, Pages, AsciiFont, GlyphTable, AlarmList, Trailer };
constexpr int kImageSectionCount = 7;

const char* sectionName(ImageSection section); // "page directory", "ASCII font" ...
const char* sectionKey(ImageSection section);  // "pageDirectory", "asciiFont" ...

struct PageBytes {
    int number = 0; // the number the user gave the page
    std::size_t bytes = 0;
};

struct CompileStats {
    bool ok = false;
    std::size_t imageBytes = 0;
    int glyphCount = 0;
    std::size_t sectionBytes[kImageSectionCount] = {};
    std::vector<PageBytes> largestPages; // largest first, at most kLargestPages
    std::string message;                 // the compiler's reason when !ok
    std::optional<CompilePlace> refusedAt;

    static constexpr std::size_t kLargestPages = 3;

    std::size_t bytesOf(ImageSection s) const { return sectionBytes[int(s)]; }
};

// The figures of a compiled image; an image whose header or page directory does not fit its
// bytes gives !ok.
CompileStats imageStats(std::span<const uint8_t> image, int glyphCount);

// Compiles `project` in memory and measures the image; a refused compile gives its message and
// place.
CompileStats compileStats(const CHCData& project, const GlyphSources& fonts);

// The same for a project held as its plain stream (a snapshot another thread can take), with
// the font files where fontFilePath finds them.
CompileStats compileStats(std::span<const uint8_t> projectStream, const Paths& paths);

} // namespace zorv
