// Guards the memory meter's words: kilobytes rounded or scaled wrongly (1 KB = 1024 bytes, one
// decimal), the warning and error colours switched at the wrong share of either limit, a
// refusal shown as a figure, and a breakdown that leaves out a section or the largest pages.
#include <gtest/gtest.h>

#include "image/MemoryMeterText.h"

using namespace zorv;

namespace {

CompileStats figures(std::size_t bytes, int glyphs) {
    CompileStats stats;
    stats.ok = true;
    stats.imageBytes = bytes;
    stats.glyphCount = glyphs;
    return stats;
}

struct TextCase {
    std::size_t bytes;
    int glyphs;
    const char* text;
};

class MeterTexts : public testing::TestWithParam<TextCase> {};

TEST_P(MeterTexts, OneDecimalOfKilobytes) {
    EXPECT_EQ(meterText(GetParam().bytes, GetParam().glyphs), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MeterTexts,
    testing::Values(TextCase{0, 0, "0.0 KB of 56 KB, 0/512 characters"},
                    TextCase{51, 1, "0.0 KB of 56 KB, 1/512 characters"}, // 0.0498 KB
                    TextCase{52, 1, "0.1 KB of 56 KB, 1/512 characters"}, // 0.0508 KB
                    TextCase{1024, 2, "1.0 KB of 56 KB, 2/512 characters"},
                    TextCase{31949, 312, "31.2 KB of 56 KB, 312/512 characters"},
                    TextCase{57343, 512, "56.0 KB of 56 KB, 512/512 characters"},
                    TextCase{57344, 512, "56.0 KB of 56 KB, 512/512 characters"},
                    TextCase{102400, 7, "100.0 KB of 56 KB, 7/512 characters"}));

struct LevelCase {
    std::size_t bytes;
    int glyphs;
    MeterLevel level;
};

class MeterLevels : public testing::TestWithParam<LevelCase> {};

TEST_P(MeterLevels, PastNinetyPercentWarnsPastTheLimitIsAnError) {
    EXPECT_EQ(meterLevel(figures(GetParam().bytes, GetParam().glyphs)), GetParam().level);
}

// 90 % of 57344 bytes is 51609.6, of 512 glyphs 460.8.
INSTANTIATE_TEST_SUITE_P(Bounds, MeterLevels,
                         testing::Values(LevelCase{51609, 460, MeterLevel::Normal},
                                         LevelCase{51610, 0, MeterLevel::Warning},
                                         LevelCase{0, 461, MeterLevel::Warning},
                                         LevelCase{57344, 512, MeterLevel::Warning},
                                         LevelCase{57345, 0, MeterLevel::Error},
                                         LevelCase{1000, 513, MeterLevel::Error}));

} // namespace

TEST(MeterSummary, RefusalShowsTheReasonAsAnError) {
    CompileStats refused;
    refused.message = "The character &C1 used on page 3 (StaticText at 10,16) is not in the "
                      "UserLib.dat!";
    EXPECT_EQ(meterSummary(refused), refused.message);
    EXPECT_EQ(meterLevel(refused), MeterLevel::Error);
    EXPECT_EQ(meterBreakdown(refused), refused.message);
    EXPECT_EQ(meterSummary(figures(1024, 3)), "1.0 KB of 56 KB, 3/512 characters");
}

TEST(MeterBreakdown, NamesEverySectionAndTheLargestPages) {
    CompileStats stats = figures(28672, 256);
    const std::size_t sections[] = {120, 36, 24000, 1520, 8192, 800, 4};
    std::copy(std::begin(sections), std::end(sections), stats.sectionBytes);
    stats.largestPages = {{12, 9000}, {3, 7000}, {40, 5000}};
    EXPECT_EQ(meterBreakdown(stats), "Image: 28672 of 57344 bytes (50.0 %)\n"
                                     "Characters: 256 of 512 (50.0 %)\n"
                                     "  header: 120 bytes\n"
                                     "  page directory: 36 bytes\n"
                                     "  pages: 24000 bytes\n"
                                     "  ASCII font: 1520 bytes\n"
                                     "  glyph table: 8192 bytes\n"
                                     "  alarm list: 800 bytes\n"
                                     "  trailer: 4 bytes\n"
                                     "Largest pages: page 12 (9000 bytes), page 3 (7000 bytes), "
                                     "page 40 (5000 bytes)");
    stats.largestPages.clear();
    EXPECT_NE(meterBreakdown(stats).find("Largest pages: none"), std::string::npos);
}
