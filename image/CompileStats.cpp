#include "image/CompileStats.h"

#include <algorithm>

#include "model/Bytes.h"
#include "model/ProjectStream.h"

namespace zorv {

namespace {

constexpr std::size_t kHeaderBytes = 120, kTrailerBytes = 4, kGlyphBytes = 32;
constexpr std::size_t kPageCountOff = 76, kAsciiFontOff = 80, kGlyphTableOff = 84;
constexpr std::size_t kAlarmSectionOff = 92;

struct SectionNames {
    const char* name;
    const char* key;
};
constexpr SectionNames kSections[kImageSectionCount] = {
    {"header", "header"},        {"page directory", "pageDirectory"}, {"pages", "pages"},
    {"ASCII font", "asciiFont"}, {"glyph table", "glyphTable"},       {"alarm list", "alarmList"},
    {"trailer", "trailer"},
};

CompileStats unreadable() {
    CompileStats stats;
    stats.message = "The image's sections do not fit its size!";
    return stats;
}

} // namespace

const char* sectionName(ImageSection section) {
    return kSections[int(section)].name;
}

const char* sectionKey(ImageSection section) {
    return kSections[int(section)].key;
}

CompileStats imageStats(std::span<const uint8_t> image, int glyphCount) {
    const std::size_t size = image.size();
    if (size < kHeaderBytes + kTrailerBytes || glyphCount < 0)
        return unreadable();
    const std::size_t n = le::u16(image.data() + kPageCountOff);
    const std::size_t pagesAt = kHeaderBytes + 6 * n;
    const std::size_t fontAt = le::u32(image.data() + kAsciiFontOff);
    const std::size_t glyphsAt = le::u32(image.data() + kGlyphTableOff);
    const std::size_t alarmsAt = le::u32(image.data() + kAlarmSectionOff);
    const std::size_t glyphBytes = kGlyphBytes * std::size_t(glyphCount);
    if (pagesAt > fontAt || fontAt > glyphsAt || glyphsAt + glyphBytes != alarmsAt ||
        alarmsAt + kTrailerBytes > size)
        return unreadable();

    CompileStats stats;
    stats.ok = true;
    stats.imageBytes = size;
    stats.glyphCount = glyphCount;
    const std::size_t bytes[kImageSectionCount] = {
        kHeaderBytes,      6 * n,      fontAt - pagesAt,
        glyphsAt - fontAt, glyphBytes, size - kTrailerBytes - alarmsAt,
        kTrailerBytes};
    std::copy(std::begin(bytes), std::end(bytes), stats.sectionBytes);

    // Page i runs from its offset to the next page's, the last one to the ASCII font.
    std::vector<PageBytes> pages;
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t at = le::u32(image.data() + kHeaderBytes + 4 * i);
        const std::size_t end =
            i + 1 < n ? le::u32(image.data() + kHeaderBytes + 4 * (i + 1)) : fontAt;
        if (at < pagesAt || at > end || end > fontAt)
            return unreadable();
        const int number = le::u16(image.data() + kHeaderBytes + 4 * n + 2 * i);
        pages.push_back({number, end - at});
    }
    std::stable_sort(pages.begin(), pages.end(),
                     [](const PageBytes& a, const PageBytes& b) { return a.bytes > b.bytes; });
    pages.resize(std::min(pages.size(), CompileStats::kLargestPages));
    stats.largestPages = std::move(pages);
    return stats;
}

CompileStats compileStats(const CHCData& project, const GlyphSources& fonts) {
    CompileResult result = compileImage(project, fonts);
    if (!result.ok) {
        CompileStats stats;
        stats.message = std::move(result.message);
        stats.refusedAt = result.refusedAt;
        return stats;
    }
    return imageStats(result.image, result.glyphCount);
}

CompileStats compileStats(std::span<const uint8_t> projectStream, const Paths& paths) {
    CHCData project;
    if (!readProjectStream(projectStream, project)) {
        CompileStats stats;
        stats.message = "File format error, open failed!";
        return stats;
    }
    return compileStats(project, readGlyphSources(paths));
}

} // namespace zorv
