// Guards against: right and bottom edges drawn, line end points drawn twice at outline
// corners, focus rectangles or inverting feedback that leave traces when drawn again,
// transparent bitmap pixels painted.
#include "platform/qt/QtDrawContext.h"
#include "GoldenImage.h"
#include "oonedraw/GBitmap.h"

#include <QPainter>

#include <functional>

using namespace oonedraw;
using zorv::QtDrawContext;

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;

QImage Drawn(const QImage& background, const std::function<void(QtDrawContext&)>& draw) {
    QImage image = background.copy();
    QPainter painter(&image);
    QtDrawContext dc(&painter);
    draw(dc);
    return image;
}

QImage Drawn(const std::function<void(QtDrawContext&)>& draw) {
    return Drawn(WhiteImage(16, 16), draw);
}

// A background with every pixel different, so a flipped or moved pixel cannot hide.
QImage Gradient() {
    QImage image = WhiteImage(24, 24);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 10, y * 10, (x * y) % 256));
    return image;
}

// The pixels of a picture that are not white, as "x,y" texts row by row.
std::vector<std::string> Marked(const QImage& image) {
    std::vector<std::string> marked;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != kWhite)
                marked.push_back(std::to_string(x) + "," + std::to_string(y));
    return marked;
}

} // namespace

TEST(QtDrawContext, RectanglesLeaveOutTheirRightAndBottomEdges) {
    const QImage fill = Drawn([](QtDrawContext& dc) { dc.FillRect({2, 3, 5, 5}, 0); });
    EXPECT_EQ(Marked(fill), (std::vector<std::string>{"2,3", "3,3", "4,3", "2,4", "3,4", "4,4"}));

    const QImage frame = Drawn([](QtDrawContext& dc) { dc.FrameRect({1, 1, 4, 4}, 0); });
    EXPECT_EQ(Marked(frame),
              (std::vector<std::string>{"1,1", "2,1", "3,1", "1,2", "3,2", "1,3", "2,3", "3,3"}));

    // Pen outline on the rectangle's own border, brush inside it.
    const QImage rect = Drawn([](QtDrawContext& dc) {
        dc.SetPen(GPen{1, 0x000000, 0});
        dc.SetBrush(GBrush{0, 0x00FF00, 0});
        dc.Rectangle({2, 2, 6, 7});
    });
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 8; ++x) {
            const bool inside = x >= 2 && x < 6 && y >= 2 && y < 7;
            const bool border = inside && (x == 2 || x == 5 || y == 2 || y == 6);
            const QRgb want = border ? kBlack : inside ? 0xFF00FF00 : kWhite;
            EXPECT_EQ(rect.pixel(x, y), want) << x << "," << y;
        }

    const QImage hollow = Drawn([](QtDrawContext& dc) {
        dc.SetBrush(GBrush{0, 0x00FF00, QtDrawContext::kBrushHollow});
        dc.Rectangle({2, 2, 6, 7});
    });
    EXPECT_EQ(hollow.pixel(3, 3), kWhite);
    EXPECT_EQ(Drawn([](QtDrawContext& dc) { dc.Rectangle({5, 5, 5, 9}); }), WhiteImage(16, 16));
}

TEST(QtDrawContext, LinesLeaveOutTheirEndPoint) {
    const QImage line = Drawn([](QtDrawContext& dc) { dc.Line(1, 2, 4, 2); });
    EXPECT_EQ(Marked(line), (std::vector<std::string>{"1,2", "2,2", "3,2"}));
    const QImage none = Drawn([](QtDrawContext& dc) {
        dc.SetPen(GPen{1, 0, QtDrawContext::kPenNull});
        dc.Line(1, 2, 4, 2);
    });
    EXPECT_TRUE(Marked(none).empty());
}

// The tools draw their drag feedback once and erase it by drawing it again.
TEST(QtDrawContext, FeedbackDrawnTwiceRestoresThePicture) {
    const QImage background = Gradient();
    const std::vector<std::pair<const char*, std::function<void(QtDrawContext&)>>> cases = {
        {"focus",
         [](QtDrawContext& dc) {
             dc.FocusRect({3, 4, 17, 12});
         }},
        {"focus reversed",
         [](QtDrawContext& dc) {
             dc.FocusRect({17, 12, 3, 4});
         }},
        {"focus one row",
         [](QtDrawContext& dc) {
             dc.FocusRect({3, 4, 17, 5});
         }},
        {"focus one column",
         [](QtDrawContext& dc) {
             dc.FocusRect({3, 4, 4, 12});
         }},
        {"invert",
         [](QtDrawContext& dc) {
             dc.InvertRect({2, 2, 20, 9});
         }},
        {"inverting rectangle",
         [](QtDrawContext& dc) {
             dc.SetInvertMode(true);
             dc.Rectangle({1, 1, 20, 20});
         }},
        {"inverting line",
         [](QtDrawContext& dc) {
             dc.SetInvertMode(true);
             dc.Line(1, 1, 19, 13);
         }},
    };
    for (const auto& [name, draw] : cases) {
        const QImage once = Drawn(background, draw);
        EXPECT_NE(once, background) << name;
        EXPECT_EQ(Drawn(once, draw), background) << name;
    }
}

TEST(QtDrawContext, FocusRectangleDotsEveryOtherBorderPixel) {
    const QImage focus = Drawn([](QtDrawContext& dc) { dc.FocusRect({2, 2, 7, 5}); });
    EXPECT_EQ(Marked(focus), (std::vector<std::string>{"2,2", "4,2", "6,2", "2,4", "4,4", "6,4"}));
    EXPECT_EQ(focus.pixel(2, 2), kBlack);
}

TEST(QtDrawContext, InvertingFlipsExactlyTheCoveredPixels) {
    const QImage inverted = Drawn([](QtDrawContext& dc) { dc.InvertRect({1, 1, 3, 2}); });
    EXPECT_EQ(Marked(inverted), (std::vector<std::string>{"1,1", "2,1"}));
    EXPECT_EQ(inverted.pixel(1, 1), kBlack);

    // In inverting mode outline and fill each flip their pixels once.
    const QImage background = Gradient();
    const QImage rect = Drawn(background, [](QtDrawContext& dc) {
        dc.SetInvertMode(true);
        dc.Rectangle({2, 2, 8, 8});
    });
    for (const QPoint p : {QPoint(2, 2), QPoint(7, 4), QPoint(4, 4)})
        EXPECT_EQ(rect.pixel(p), ~background.pixel(p) | kBlack) << p.x() << "," << p.y();
    EXPECT_EQ(rect.pixel(8, 8), background.pixel(8, 8));
}

TEST(QtDrawContext, StretchedBitmapKeepsTheTransparentColourOut) {
    GBitmap bitmap(2, 2, 0xFFFFFF);
    bitmap.setPixel(0, 0, 0x000000);
    bitmap.setPixel(1, 1, 0xFF0000);
    const QImage background = Gradient();
    const QImage drawn = Drawn(background, [&](QtDrawContext& dc) {
        dc.StretchBitmap(bitmap, {4, 6, 8, 10}, 0xFFFFFF);
    });
    for (int y = 6; y < 10; ++y)
        for (int x = 4; x < 8; ++x) {
            const bool firstPixel = x < 6 && y < 8, lastPixel = x >= 6 && y >= 8;
            const QRgb want = firstPixel ? kBlack : lastPixel ? 0xFFFF0000 : background.pixel(x, y);
            EXPECT_EQ(drawn.pixel(x, y), want) << x << "," << y;
        }
    EXPECT_EQ(drawn.pixel(8, 8), background.pixel(8, 8));
}

TEST(QtDrawContext, OpaqueTextFillsItsBoxWithTheBrushColour) {
    auto text = [](bool opaque) {
        return Drawn(WhiteImage(64, 40), [opaque](QtDrawContext& dc) {
            dc.SetFont("Arial", -32);
            dc.SetBrush(GBrush{0, 0x00FF00, 0});
            dc.SetTextBackground(opaque);
            dc.Text(2, 2, "i");
        });
    };
    const QImage opaque = text(true), clear = text(false);
    EXPECT_EQ(opaque.pixel(2, 2), 0xFF00FF00);
    EXPECT_EQ(clear.pixel(2, 2), kWhite);
    EXPECT_FALSE(Marked(clear).empty());
    EXPECT_EQ(opaque.pixel(40, 2), kWhite);
}

TEST(QtDrawContext, TextKeepsToItsCells) {
    // Four wide letters at a 32-unit cell height own four 16-unit columns and one line.
    const QImage drawn = Drawn(WhiteImage(120, 50), [](QtDrawContext& dc) {
        dc.SetFont("Arial", -32);
        dc.Text(4, 4, "WWWW");
    });
    const auto marked = Marked(drawn);
    ASSERT_FALSE(marked.empty());
    for (const std::string& at : marked) {
        const int x = std::stoi(at), y = std::stoi(at.substr(at.find(',') + 1));
        EXPECT_TRUE(x >= 4 && x < 4 + 64 && y >= 4 && y < 4 + 32) << at;
    }
}

TEST(QtDrawContext, DrawsNothingWithoutAPainter) {
    QtDrawContext dc;
    GBitmap bitmap(2, 2);
    dc.Rectangle({0, 0, 4, 4});
    dc.Text(0, 0, "text");
    dc.FocusRect({0, 0, 4, 4});
    dc.StretchBitmap(bitmap, {0, 0, 4, 4}, 0xFFFFFF);
    SUCCEED();
}
