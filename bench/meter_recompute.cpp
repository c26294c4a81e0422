// The memory meter's recompute: the project's stream written on the window's thread, then read
// back, the font files read and the image compiled and measured on the worker. On the demo
// beside the program and on a project of about 56 KB (pages of Chinese texts over 480 distinct
// characters). Run from the program folder's build (build/bin), which holds the fonts and the
// demo.
#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>

#include "image/CompileStats.h"
#include "model/ProjectCipher.h"
#include "model/ProjectStream.h"
#include "model/WidgetRecords.h"

using namespace zorv;

namespace {

const SystemPaths& paths() {
    static const SystemPaths p(currentExecutable());
    return p;
}

bool loadDemo(CHCData& project) {
    std::ifstream in(paths().programFolder() / "demo.zvd", std::ios::binary);
    const std::vector<uint8_t> file{std::istreambuf_iterator<char>(in), {}};
    std::vector<uint8_t> plain;
    return decipherProject(file, plain) && readProjectStream(plain, project);
}

// Pages of four lines of twelve characters each, over 480 distinct GB2312 characters.
CHCData nearFullProject(int pages) {
    CHCData p;
    int next = 0;
    for (int n = 1; n <= pages; ++n) {
        CPage* page = p.addPage(uint16_t(n), PlaceMode::Insert);
        for (uint16_t y = 0; y < 64; y += 16) {
            std::vector<uint8_t> text;
            for (int i = 0; i < 12; ++i, ++next) {
                const int code = next % 480;
                text.insert(text.end(), {uint8_t(0xB0 + code / 94), uint8_t(0xA1 + code % 94)});
            }
            StaticTextRecord r;
            r.setY(y);
            r.setText(0, TextSlot::fromBytes(std::span<const uint8_t>(text)));
            r.setText(1, TextSlot::fromBytes(std::span<const uint8_t>(text)));
            page->widgets.push_back(WidgetNode::of(page->nextWidgetId++, r));
        }
    }
    return p;
}

void recompute(benchmark::State& state, const CHCData& project) {
    CompileStats stats;
    for (auto _ : state) {
        std::vector<uint8_t> stream;
        writeProjectStream(project, stream);
        stats = compileStats(stream, paths());
        benchmark::DoNotOptimize(stats.imageBytes);
    }
    if (!stats.ok)
        state.SkipWithError(stats.message.c_str());
    state.counters["image_bytes"] = double(stats.imageBytes);
    state.counters["glyphs"] = stats.glyphCount;
}

void BM_MeterRecomputeDemo(benchmark::State& state) {
    CHCData demo;
    if (!loadDemo(demo)) {
        state.SkipWithError("demo.zvd not beside the program");
        return;
    }
    recompute(state, demo);
}
BENCHMARK(BM_MeterRecomputeDemo)->Unit(benchmark::kMillisecond)->Repetitions(5);

void BM_MeterRecomputeNearFull(benchmark::State& state) {
    recompute(state, nearFullProject(int(state.range(0))));
}
BENCHMARK(BM_MeterRecomputeNearFull)->Arg(131)->Unit(benchmark::kMillisecond)->Repetitions(5);

// The part that runs on the window's thread: the snapshot of the project.
void BM_MeterSnapshotNearFull(benchmark::State& state) {
    const CHCData project = nearFullProject(int(state.range(0)));
    for (auto _ : state) {
        std::vector<uint8_t> stream;
        writeProjectStream(project, stream);
        benchmark::DoNotOptimize(stream.data());
    }
}
BENCHMARK(BM_MeterSnapshotNearFull)->Arg(131)->Unit(benchmark::kMillisecond)->Repetitions(5);

} // namespace

BENCHMARK_MAIN();
