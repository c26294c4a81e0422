// Guards against: pieces after a library code drawn at the wrong column, codes that lose their
// two columns when the glyph is absent, a lone "&" swallowed, glyphs not stretched to the
// scaled cell or not white-transparent, a missing library still drawing the frame or reported
// on every paint, frames counting trailing spaces, a mesh missing part of the cells at scale
// 2, and inverse text without an opaque background or the final inversion.
#include "RecordingContext.h"
#include "oonedraw/GCanvas.h"
#include "oonedraw/GLibraryGlyphs.h"
#include "oonedraw/GText.h"
#include "tests/TestFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

using namespace oonedraw;
using Strings = std::vector<std::string>;

namespace {

// Every code has a glyph except 0x7E, which the library does not hold.
class FakeGlyphs : public GGlyphSource {
public:
    Status Glyph(uint8_t code, GBitmap& out) override {
        if (code == 0x7E)
            return Status::NoEntry;
        out = GBitmap(16, 16);
        return Status::Found;
    }
};

struct Scene {
    Scene() {
        canvas.dc = &dc;
        canvas.glyphs = &glyphs;
    }
    GText* Add(const std::string& text, float scale = 1) {
        auto* t = new GText(&canvas, &canvas, 0);
        t->points = {{10, 20}, {10, 20}, {10, 20}, {10, 20}};
        t->scale = scale;
        t->SetText(text);
        canvas.AddChild(t);
        return t;
    }
    Strings Lines() const {
        Strings lines;
        std::copy_if(dc.calls.begin(), dc.calls.end(), std::back_inserter(lines),
                     [](const std::string& c) { return c.starts_with("line "); });
        return lines;
    }
    GCanvas canvas;
    RecordingContext dc;
    FakeGlyphs glyphs;
};

} // namespace

struct PieceCase {
    const char* text;
    float scale;
    Strings calls;
};

class TextPieces : public ::testing::TestWithParam<PieceCase> {};

TEST_P(TextPieces, EachPieceAtItsColumn) {
    Scene scene;
    scene.Add(GetParam().text, GetParam().scale)->DrawShape();
    EXPECT_EQ(scene.dc.calls, GetParam().calls);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextPieces,
    ::testing::Values(
        // Six characters with a code at the third to fifth: five columns.
        PieceCase{"xy&a0z",
                  1,
                  {"font Arial 32", "background 0", "text xy 10 20",
                   "bitmap 16x16 42 20 74 52 #16777215", "text z 74 20"}},
        // "&" with one hex digit and another character is a character of its own.
        PieceCase{
            "x&1g",
            1,
            {"font Arial 32", "background 0", "text x 10 20", "text & 26 20", "text 1g 42 20"}},
        // A code without an entry draws nothing and keeps its two columns.
        PieceCase{"a&7Eb", 1, {"font Arial 32", "background 0", "text a 10 20", "text b 58 20"}},
        PieceCase{"a&41b",
                  2,
                  {"font Arial 64", "background 0", "text a 10 20",
                   "bitmap 16x16 42 20 106 84 #16777215", "text b 106 20"}}));

TEST(TextDraw, MissingLibraryStopsTheObjectAndIsReportedOnce) {
    const auto folder = zorv::test::freshTestFolder("zorv_text_draw_");
    Strings messages;
    GLibraryGlyphs library(folder, [&](const std::string& m) { messages.push_back(m); });
    Scene scene;
    scene.canvas.glyphs = &library;
    GText* t = scene.Add("ab&41cd");
    t->framed = t->meshed = t->inverse = 1;
    scene.canvas.Draw();
    EXPECT_EQ(scene.dc.calls, (Strings{"font Arial 32", "background 1", "text ab 10 20"}));
    scene.canvas.Draw();
    EXPECT_EQ(messages, Strings{"Failed to open file!"});
}

TEST(TextDraw, FrameOutlineThroughP1) {
    Scene scene;
    scene.Add("ab  ")->framed = 1;
    scene.canvas.Draw();
    EXPECT_EQ(scene.Lines(), (Strings{"line 10 20 42 20", "line 42 20 42 52", "line 42 52 10 52",
                                      "line 10 52 10 20"}));
}

struct FrameCase {
    const char* text;
    float scale;
    const char* top; // the frame's first line, along the top to its width
};

class TextFrame : public ::testing::TestWithParam<FrameCase> {};

TEST_P(TextFrame, WidthOverTheCountedColumns) {
    Scene scene;
    scene.Add(GetParam().text, GetParam().scale)->framed = 1;
    scene.canvas.Draw();
    ASSERT_EQ(scene.Lines().size(), 4u);
    EXPECT_EQ(scene.Lines()[0], GetParam().top);
}

INSTANTIATE_TEST_SUITE_P(Cases, TextFrame,
                         ::testing::Values(FrameCase{"    ", 1, "line 10 20 26 20"},
                                           FrameCase{"ab ", 2, "line 10 20 74 20"},
                                           // With an "&" every column counts, spaces too.
                                           FrameCase{"&41 ", 1, "line 10 20 58 20"},
                                           FrameCase{"a& ", 1, "line 10 20 58 20"}));

TEST(TextDraw, MeshCoversEveryCellAtDoubleSize) {
    Scene scene;
    scene.Add("ab", 2)->meshed = 1; // 64 x 64 units
    scene.canvas.Draw();
    const Strings lines = scene.Lines();
    ASSERT_EQ(lines.size(), 7u + 7u);
    EXPECT_EQ(lines.front(), "line 11 28 73 28");
    EXPECT_EQ(lines[6], "line 11 76 73 76"); // one step of 8 above the bottom at 84
    EXPECT_EQ(lines[7], "line 18 21 18 83");
    EXPECT_EQ(lines.back(), "line 66 21 66 83"); // one step of 8 left of the right at 74
}

TEST(TextDraw, InverseIsOpaqueAndInvertsTheBoundsLast) {
    Scene scene;
    GText* t = scene.Add("ab");
    t->inverse = t->framed = 1;
    scene.canvas.Draw();
    ASSERT_GE(scene.dc.calls.size(), 3u);
    EXPECT_EQ(scene.dc.calls[1], "background 1");
    EXPECT_EQ(scene.Lines().size(), 4u);
    EXPECT_EQ(scene.dc.calls.back(), "invert 10 20 42 52");
}
