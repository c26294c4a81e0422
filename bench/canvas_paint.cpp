// Time to paint a page canvas of 100 objects of mixed kinds (texts plain, inverted and framed,
// rectangles, images sharing a few bitmaps, selection handles) through the Qt drawing context
// into a 750 x 580 picture, the size of the editing view; building the canvas is timed apart.
#include <benchmark/benchmark.h>

#include "oonedraw/GCanvas.h"
#include "oonedraw/GImage.h"
#include "oonedraw/GText.h"
#include "platform/qt/QtDrawContext.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <memory>

using namespace oonedraw;

namespace {

constexpr int kObjects = 100;
constexpr int kViewWidth = 750;
constexpr int kViewHeight = 580;

// A 36 x 27 key-sized bitmap: a black frame and a diagonal on white.
GBitmapPtr KeyBitmap(int variant) {
    auto bitmap = std::make_shared<GBitmap>(36, 27, 0xFFFFFF);
    for (int32_t x = 0; x < 36; ++x) {
        bitmap->setPixel(x, 0, 0);
        bitmap->setPixel(x, 26, 0);
        bitmap->setPixel(x, (x * 26 / 35 + variant) % 27, 0);
    }
    for (int32_t y = 0; y < 27; ++y) {
        bitmap->setPixel(0, y, 0);
        bitmap->setPixel(35, y, 0);
    }
    return bitmap;
}

void Place(GObject& object, double x, double y, double w, double h) {
    object.points = {{x, y}, {x, y + h}, {x + w, y + h}, {x + w, y}};
}

// Ten rows of ten objects over the view: texts, rectangles and images taking turns.
std::unique_ptr<GCanvas> BuildCanvas() {
    auto canvas = std::make_unique<GCanvas>();
    const GBitmapPtr bitmaps[] = {KeyBitmap(0), KeyBitmap(5), KeyBitmap(11)};
    for (int i = 0; i < kObjects; ++i) {
        const double x = 5 + (i % 10) * 74, y = 5 + (i / 10) * 57;
        GObject* object = nullptr;
        switch (i % 4) {
        case 0:
        case 1: {
            auto* text = new GText(canvas.get(), canvas.get(), 0);
            Place(*text, x, y, 0, 0);
            text->inverse = i % 8 == 1;
            text->framed = i % 8 == 5;
            text->brush.colour = 0xFFFFFF;
            text->SetText("Text" + std::to_string(i % 10));
            object = text;
            break;
        }
        case 2: {
            object = new GRectangle(canvas.get(), canvas.get(), 0);
            Place(*object, x, y, 64, 48);
            break;
        }
        default: {
            auto* image = new GImage(canvas.get(), canvas.get(), 0);
            Place(*image, x, y, 0, 0);
            image->bitmap = bitmaps[i % 3];
            image->SetScale(i % 7 == 3 ? 2 : 1);
            object = image;
        }
        }
        canvas->AddChild(object);
    }
    for (int i = 0; i < kObjects; i += 9)
        canvas->Select(canvas->children[size_t(i)], kSelectAdd);
    return canvas;
}

void BM_BuildCanvas(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildCanvas());
}
BENCHMARK(BM_BuildCanvas)->Unit(benchmark::kMicrosecond);

// One context kept across paints, as the editing view keeps it.
void BM_PaintCanvas(benchmark::State& state) {
    auto canvas = BuildCanvas();
    QImage image(kViewWidth, kViewHeight, QImage::Format_RGB32);
    zorv::QtDrawContext dc;
    canvas->dc = &dc;
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        dc.setPainter(&painter);
        canvas->Draw();
        dc.setPainter(nullptr);
    }
    canvas->dc = nullptr;
}
BENCHMARK(BM_PaintCanvas)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
