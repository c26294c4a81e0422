// Time to paint a page canvas of 100 widgets of mixed kinds (static texts plain and inverted,
// registers, dynamic texts, keys with and without the hand, lights, pictures, bars and
// trends, with the icon2 images beside the program) through the Qt drawing context into a
// 750 x 580 picture, the size of the editing view, with a few widgets selected. Building the
// canvas from the widget records is timed apart.
#include <benchmark/benchmark.h>

#include "model/widgets/CanvasPlacement.h"
#include "model/widgets/WidgetSync.h"
#include "oonedraw/GCanvas.h"
#include "platform/qt/QtDrawContext.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <memory>

using namespace zorv;

namespace {

constexpr int kWidgets = 100;
constexpr int kViewWidth = 750;
constexpr int kViewHeight = 580;

template <class Widget, class Record, class... Extra>
oonedraw::GObject* Make(oonedraw::GCanvas& canvas, const Record& record, Extra&&... extra) {
    auto* widget = new Widget;
    widget->canvas = &canvas;
    widget->parent = &canvas;
    applyRecord(*widget, record, extra...);
    return widget;
}

KeyRecord Key(uint8_t code, bool hand) {
    KeyRecord r = KeyRecord::makeDefault();
    r.setKeyCode(code);
    r.setHand(hand);
    return r;
}

oonedraw::GObject* MakeWidget(oonedraw::GCanvas& canvas, int i) {
    WidgetBitmaps& bitmaps = WidgetBitmaps::shared();
    switch (i % 10) {
    case 0:
        return Make<CStaticText>(canvas, StaticTextRecord::makeDefault(), 0);
    case 1: {
        StaticTextRecord r = StaticTextRecord::makeDefault();
        r.setAttributes(0x01);
        return Make<CStaticText>(canvas, r, 0);
    }
    case 2:
        return Make<CRegister>(canvas, RegisterRecord::makeDefault());
    case 3:
        return Make<CDynamicText>(canvas, DynamicTextRecord::makeDefault(), 0);
    case 4:
        return Make<CKey>(canvas, Key(uint8_t(i % 10), false), bitmaps);
    case 5:
        return Make<CKey>(canvas, Key(24, true), bitmaps);
    case 6:
        return Make<CLed>(canvas, LedRecord::makeDefault(), bitmaps);
    case 7:
        return Make<CPicture>(canvas, PictureRecord::makeDefault(), bitmaps);
    case 8:
        return Make<CBar>(canvas, BarRecord::makeDefault());
    default:
        return Make<CTrend>(canvas, TrendRecord::makeDefault());
    }
}

// Ten rows of ten widgets spread over the view.
std::unique_ptr<oonedraw::GCanvas> BuildCanvas() {
    auto canvas = std::make_unique<oonedraw::GCanvas>();
    for (int i = 0; i < kWidgets; ++i) {
        oonedraw::GObject* widget = MakeWidget(*canvas, i);
        placeTopLeft(*widget, {5.0 + (i % 10) * 74, 5.0 + (i / 10) * 57});
        canvas->AddChild(widget);
    }
    for (int i = 0; i < kWidgets; i += 9)
        canvas->Select(canvas->children[size_t(i)], oonedraw::kSelectAdd);
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
    QtDrawContext dc;
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
    // The key and light images lie in icon2 beside the program, as in the build tree.
    WidgetBitmaps::shared().setProgramFolder(QCoreApplication::applicationDirPath().toStdString());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
