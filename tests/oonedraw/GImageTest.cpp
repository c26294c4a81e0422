// Guards against: images not sized by the scale, the bitmap drawn off its top-left corner or
// without white as the transparent colour.
#include "oonedraw/GImage.h"
#include "RecordingContext.h"
#include "oonedraw/GCanvas.h"

#include <gtest/gtest.h>

using namespace oonedraw;

TEST(Image, FitsAndDrawsAtScale) {
    GCanvas canvas;
    RecordingContext dc;
    canvas.dc = &dc;
    auto* img = new GImage(&canvas, &canvas, 0);
    img->points = {{4, 6}, {4, 6}, {4, 6}, {4, 6}};
    img->bitmap = std::make_shared<const GBitmap>(16, 12);
    canvas.AddChild(img);
    img->SetScale(2);
    EXPECT_EQ(img->points[2], (GPoint{36, 30}));
    EXPECT_EQ(img->points[3].x, 36);
    EXPECT_EQ(img->points[1].y, 30);
    img->DrawShape();
    ASSERT_EQ(dc.calls.size(), 1u);
    EXPECT_EQ(dc.calls[0], "bitmap 16x12 4 6 36 30 #16777215");
}
