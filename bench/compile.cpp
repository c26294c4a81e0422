// Compile time of the download image over the number of pages. Every page holds two texts of
// twelve Chinese characters per language, a register, a bar, a key, a light and a 40 x 16
// picture; the characters run through 500 distinct codes, so that 100 pages make an image of
// about 56 KB with 500 text glyphs.
#include <benchmark/benchmark.h>

#include "bench/BenchFonts.h"

#include "image/ImageCompiler.h"
#include "model/Bytes.h"
#include "model/WidgetRecords.h"

using namespace zorv;

namespace {

constexpr int kDistinctCharacters = 500;

TextSlot chineseText(int& next) {
    std::vector<uint8_t> bytes;
    for (int i = 0; i < 12; ++i, ++next) {
        const int code = next % kDistinctCharacters;
        bytes.push_back(uint8_t(0xB0 + code / 94));
        bytes.push_back(uint8_t(0xA1 + code % 94));
    }
    return TextSlot::fromBytes(std::span<const uint8_t>(bytes));
}

CHCData project(int pages) {
    CHCData p;
    int next = 0;
    std::vector<uint8_t> picture(8 * 16, 0xA5);
    for (int n = 1; n <= pages; ++n) {
        CPage* page = p.addPage(uint16_t(n), PlaceMode::Insert);
        for (uint16_t y : {0, 16}) {
            StaticTextRecord text;
            text.setY(y);
            text.setText(0, chineseText(next));
            text.setText(1, chineseText(next));
            page->widgets.push_back(WidgetNode::of(page->nextWidgetId++, text));
        }
        RegisterRecord reg = RegisterRecord::makeDefault();
        reg.setY(32);
        page->widgets.push_back(WidgetNode::of(page->nextWidgetId++, reg));
        page->widgets.push_back(WidgetNode::of(page->nextWidgetId++, BarRecord::makeDefault()));
        KeyRecord key = KeyRecord::makeDefault();
        key.setActionByte(KeyRecord::ScreenJump);
        key.setValue(uint16_t(n % pages + 1));
        page->widgets.push_back(WidgetNode::of(page->nextWidgetId++, key));
        page->widgets.push_back(WidgetNode::of(page->nextWidgetId++, LedRecord::makeDefault()));
        PictureRecord pic;
        pic.setSize(40, 16);
        pic.setBitmap(picture);
        page->widgets.push_back(WidgetNode::of(page->nextWidgetId++, pic));
    }
    return p;
}

void BM_CompileImage(benchmark::State& state) {
    const CHCData p = project(int(state.range(0)));
    const GlyphSources f = bench::benchFonts();
    CompileResult r;
    for (auto _ : state) {
        r = compileImage(p, f);
        benchmark::DoNotOptimize(r.image.data());
    }
    if (!r.ok)
        state.SkipWithError(r.message.c_str());
    state.counters["image_bytes"] = double(r.image.size());
    state.counters["glyphs"] = r.glyphCount;
}
BENCHMARK(BM_CompileImage)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
