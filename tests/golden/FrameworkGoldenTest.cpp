// Guards against: framework objects drawn off their corners, outlines or handles one pixel
// out, transparent bitmap pixels painted over what lies below, text cells that do not match
// their fitted boxes, and context primitives whose pixels drift between builds.
#include "GoldenImage.h"
#include "oonedraw/GImage.h"
#include "oonedraw/GLibraryGlyphs.h"
#include "oonedraw/GText.h"
#include "platform/qt/QtDrawContext.h"

#include <QPainter>

using namespace oonedraw;

namespace {

// A 12 x 10 ring with a red centre on white, the transparent colour of panel bitmaps.
std::shared_ptr<const GBitmap> RingPicture() {
    auto ring = std::make_shared<GBitmap>(12, 10, 0xFFFFFF);
    for (int32_t y = 0; y < 10; ++y)
        for (int32_t x = 0; x < 12; ++x) {
            const int32_t dx = 2 * x - 11, dy = 2 * y - 9, d = dx * dx + dy * dy;
            if (d >= 36 && d <= 100)
                ring->setPixel(x, y, 0x000000);
            else if (d < 12)
                ring->setPixel(x, y, 0xFF0000);
        }
    return ring;
}

template <typename T> T* Add(GCanvas& canvas, double x0, double y0, double x1, double y1) {
    auto* object = new T(&canvas, &canvas, 0);
    object->points = {{x0, y0}, {x0, y1}, {x1, y1}, {x1, y0}};
    canvas.AddChild(object);
    return object;
}

GText* AddText(GCanvas& canvas, double x, double y, const std::string& text, float scale = 1) {
    auto* object = Add<GText>(canvas, x, y, x, y);
    object->fontFace = "Arial";
    object->scale = scale;
    object->SetText(text);
    return object;
}

} // namespace

TEST(FrameworkGolden, RectanglesImagesAndSelectionHandles) {
    GCanvas canvas;
    Add<GRectangle>(canvas, 10, 10, 60, 40);
    auto* red = Add<GRectangle>(canvas, 70, 10, 71, 40); // one unit wide
    red->pen.colour = 0xFF0000;
    auto* behind = Add<GRectangle>(canvas, 90, 12, 140, 28);
    behind->pen.width = 3;
    auto* small = Add<GImage>(canvas, 100, 8, 100, 8);
    small->bitmap = RingPicture();
    small->FitToContent();
    auto* large = Add<GImage>(canvas, 150, 8, 150, 8);
    large->bitmap = RingPicture();
    large->SetScale(2);
    canvas.Select(canvas.children[0], kSelectReplace);
    canvas.Select(large, kSelectAdd);
    EXPECT_TRUE(
        MatchesGolden(zorv::paintCanvas(canvas, QRect(0, 0, 190, 50)), "framework_objects"));
}

TEST(FrameworkGolden, TextPlainInvertedFramedMeshedDouble) {
    GCanvas canvas;
    AddText(canvas, 4, 4, "TextStr");
    AddText(canvas, 130, 4, "Inv")->inverse = 1;
    AddText(canvas, 4, 44, "Box  ")->framed = 1;
    AddText(canvas, 130, 44, "Mesh")->meshed = 1;
    AddText(canvas, 4, 84, "x2", 2);
    EXPECT_TRUE(MatchesGolden(zorv::paintCanvas(canvas, QRect(0, 0, 200, 150)), "framework_text"));
}

// The hand and the two lamps of the system library shipped beside the program, between
// ordinary characters, at both scales.
TEST(FrameworkGolden, LibraryCharactersFromTheProgramFolder) {
    std::vector<std::string> messages;
    GLibraryGlyphs glyphs(ZORV_PROGRAM_DIR,
                          [&messages](const std::string& text) { messages.push_back(text); });
    GCanvas canvas;
    canvas.glyphs = &glyphs;
    AddText(canvas, 4, 4, "&1Aon&1B&1C");
    AddText(canvas, 4, 40, "&1A&1Bx", 2)->framed = 1;
    EXPECT_TRUE(
        MatchesGolden(zorv::paintCanvas(canvas, QRect(0, 0, 200, 110)), "framework_library"));
    EXPECT_TRUE(messages.empty());
}

TEST(FrameworkGolden, ContextPrimitives) {
    QImage image = WhiteImage(160, 60);
    QPainter painter(&image);
    zorv::QtDrawContext dc(&painter);
    dc.SetPen(GPen{1, 0x000000, 0});
    dc.SetBrush(GBrush{0, 0xC0C0C0, 0});
    dc.Line(4, 4, 40, 20);
    dc.Rectangle({44, 4, 70, 24});
    dc.FillRect({74, 4, 90, 24}, 0x0000FF);
    dc.FrameRect({94, 4, 110, 24}, 0xFF0000);
    dc.Polygon({{114, 24}, {126, 4}, {138, 24}});
    dc.FocusRect({142, 4, 156, 24});
    dc.SetFont("Arial", -16);
    dc.Text(4, 30, "Plain");
    dc.SetTextBackground(true);
    dc.SetPen(GPen{1, 0xFFFFFF, 0});
    dc.SetBrush(GBrush{0, 0x000000, 0});
    dc.Text(50, 30, "Opaque");
    dc.InvertRect({100, 30, 140, 50});
    dc.StretchBitmap(*RingPicture(), {142, 30, 154, 58}, 0xFFFFFF);
    dc.Pixel(158, 58, 0x00FF00);
    painter.end();
    EXPECT_TRUE(MatchesGolden(image, "context_primitives"));
}
