// Guards the memory meter's figures: sizes that disagree with the compiled image, sections that
// do not add up to it, pages measured or ranked wrongly, a refusal without the page and widget
// that caused it (512 glyphs passed, characters the fonts lack), and a damaged image measured
// past its bytes.
#include <gtest/gtest.h>

#include "CompileTestFonts.h"
#include "image/CompileStats.h"
#include "model/WidgetRecords.h"

using namespace zorv;

namespace {

using Bytes = std::vector<uint8_t>;

WidgetNode staticText(const Bytes& text, uint16_t x = 0, uint16_t y = 0) {
    StaticTextRecord r;
    r.setText(0, TextSlot::fromBytes(std::span<const uint8_t>(text)));
    r.setX(x);
    r.setY(y);
    return WidgetNode::of(1, r);
}

// `count` GB2312 characters that no earlier call gave.
Bytes newCharacters(int& next, int count) {
    Bytes t;
    for (int i = 0; i < count; ++i, ++next)
        t.insert(t.end(), {uint8_t(0xB0 + next / 94), uint8_t(0xA1 + next % 94)});
    return t;
}

// Pages 2, 5 and 9 with 1, 3 and 2 texts of new characters.
CHCData threePages() {
    CHCData p;
    int next = 0;
    for (auto [number, texts] : {std::pair{2, 1}, {5, 3}, {9, 2}}) {
        CPage* page = p.addPage(uint16_t(number), PlaceMode::Insert);
        for (int t = 0; t < texts; ++t)
            page->widgets.push_back(staticText(newCharacters(next, 6)));
    }
    return p;
}

} // namespace

TEST(CompileStats, FiguresAreThoseOfTheCompiledImage) {
    const CHCData p = threePages();
    const GlyphSources fonts = test::makeFonts();
    const CompileResult image = compileImage(p, fonts);
    ASSERT_TRUE(image.ok) << image.message;
    const CompileStats stats = compileStats(p, fonts);
    ASSERT_TRUE(stats.ok) << stats.message;
    EXPECT_EQ(stats.imageBytes, image.image.size());
    EXPECT_EQ(stats.glyphCount, 36);

    std::size_t sum = 0;
    for (std::size_t bytes : stats.sectionBytes)
        sum += bytes;
    EXPECT_EQ(sum, stats.imageBytes);
    EXPECT_EQ(stats.bytesOf(ImageSection::Header), 120u);
    EXPECT_EQ(stats.bytesOf(ImageSection::PageDirectory), 18u);
    EXPECT_EQ(stats.bytesOf(ImageSection::AsciiFont), 1520u);
    EXPECT_EQ(stats.bytesOf(ImageSection::GlyphTable), 36u * 32);
    EXPECT_EQ(stats.bytesOf(ImageSection::AlarmList), 20u + 4 + 2 * 9); // "No Alarm" only
    EXPECT_EQ(stats.bytesOf(ImageSection::Trailer), 4u);

    // Page sizes from the page offset table; the largest first.
    const auto offset = [&](int i) { return le::u32(image.image.data() + 120 + 4 * i); };
    ASSERT_EQ(stats.largestPages.size(), 3u);
    EXPECT_EQ(stats.largestPages[0].number, 5);
    EXPECT_EQ(stats.largestPages[0].bytes, offset(2) - offset(1));
    EXPECT_EQ(stats.largestPages[1].number, 9);
    EXPECT_EQ(stats.largestPages[2].number, 2);
    EXPECT_EQ(stats.largestPages[2].bytes, offset(1) - offset(0));
    EXPECT_GT(stats.largestPages[1].bytes, stats.largestPages[2].bytes);
}

TEST(CompileStats, OnlyTheLargestPagesAreNamed) {
    CHCData p;
    for (int n = 1; n <= 6; ++n) {
        CPage* page = p.addPage(uint16_t(n), PlaceMode::Insert);
        for (int w = 0; w < n % 4; ++w)
            page->widgets.push_back(staticText({'a'}));
    }
    const CompileStats stats = compileStats(p, test::makeFonts());
    ASSERT_TRUE(stats.ok) << stats.message;
    ASSERT_EQ(stats.largestPages.size(), CompileStats::kLargestPages);
    // Pages 3 (three texts), then 2 and 6 (two each, in page order).
    EXPECT_EQ(stats.largestPages[0].number, 3);
    EXPECT_EQ(stats.largestPages[1].number, 2);
    EXPECT_EQ(stats.largestPages[2].number, 6);
}

TEST(CompileStats, PassingFiveHundredTwelveCharactersNamesThePageAndWidget) {
    CHCData p;
    p.addPage(1, PlaceMode::Insert);
    CPage* page = p.addPage(7, PlaceMode::Insert);
    int next = 0;
    CompileStats stats;
    for (int round = 0; round < 50; ++round) {
        page->widgets.push_back(staticText(newCharacters(next, 12), 8, uint16_t(16 * (round % 4))));
        stats = compileStats(p, test::makeFonts());
        if (!stats.ok)
            break;
        EXPECT_LE(stats.glyphCount, 512);
    }
    ASSERT_FALSE(stats.ok);
    EXPECT_GT(next, 512);
    EXPECT_LE(next, 512 + 12);
    const auto last = page->widgets.back().get<StaticTextRecord>();
    ASSERT_TRUE(stats.refusedAt);
    EXPECT_EQ(stats.refusedAt->pageNumber, 7);
    EXPECT_EQ(stats.refusedAt->kind, WidgetKind::StaticText);
    EXPECT_EQ(stats.refusedAt->y, last.y());
    EXPECT_NE(stats.message.find("the limit is 512"), std::string::npos) << stats.message;
    EXPECT_NE(stats.message.find("page 7 (StaticText at 8," + std::to_string(last.y()) + ")"),
              std::string::npos)
        << stats.message;
}

TEST(CompileStats, CharactersOutsideTheFontsNameThePageAndWidget) {
    const Bytes texts[] = {{'&', 'C', '1'}, {'&', '2', '1'}, {0x81, 0x40}};
    for (const Bytes& text : texts) {
        CHCData p;
        p.addPage(1, PlaceMode::Insert);
        p.addPage(3, PlaceMode::Insert)->widgets.push_back(staticText(text, 10, 16));
        const CompileStats stats = compileStats(p, test::makeFonts(0x41, 0x20));
        EXPECT_FALSE(stats.ok);
        ASSERT_TRUE(stats.refusedAt) << stats.message;
        EXPECT_EQ(stats.refusedAt->describe(), "page 3 (StaticText at 10,16)");
        EXPECT_NE(stats.message.find("page 3 (StaticText at 10,16)"), std::string::npos);
    }
}

TEST(CompileStats, DamagedImagesAreNotMeasuredPastTheirBytes) {
    CHCData p = threePages();
    const CompileResult image = compileImage(p, test::makeFonts());
    ASSERT_TRUE(image.ok);
    EXPECT_TRUE(imageStats(image.image, image.glyphCount).ok);
    EXPECT_FALSE(imageStats(image.image, image.glyphCount + 1).ok);
    EXPECT_FALSE(imageStats(Bytes(image.image.begin(), image.image.begin() + 100), 0).ok);
    const auto patched = [&](std::size_t at, uint32_t value) {
        Bytes b = image.image;
        le::putU32(b.data() + at, value);
        return imageStats(b, image.glyphCount);
    };
    EXPECT_FALSE(patched(80, 0xFFFFFFF0).ok);                   // ASCII font beyond the end
    EXPECT_FALSE(patched(92, uint32_t(image.image.size())).ok); // alarm list over the trailer
    EXPECT_FALSE(patched(124, 0xFFFF).ok);                      // page 1 past the font
    Bytes manyPages = image.image;
    le::putU16(manyPages.data() + 76, 0xFFFF);
    EXPECT_FALSE(imageStats(manyPages, image.glyphCount).ok);
}
