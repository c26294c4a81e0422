// Start-up of the editor to the first paint of its main window, with the demo project opened:
// the whole process is started for each run on the offscreen platform; the program reports the
// time from its start to the first paint, which is the counter "first_paint_ms".

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// Runs the editor once; the milliseconds it reports, or a negative number on failure.
double runOnce() {
    const std::string command =
        "QT_QPA_PLATFORM=offscreen " ZORV_PROGRAM_DIR
        "/zorveditor --quit-after-first-paint " ZORV_PROGRAM_DIR "/demo.zvd 2>/dev/null";
    FILE* out = popen(command.c_str(), "r");
    if (!out)
        return -1;
    double ms = -1;
    if (std::fscanf(out, "first paint after %lf ms", &ms) != 1)
        ms = -1;
    return pclose(out) == 0 ? ms : -1;
}

void BM_EditorStartToFirstPaint(benchmark::State& state) {
    double total = 0;
    for (auto _ : state) {
        const double ms = runOnce();
        if (ms < 0) {
            state.SkipWithError("the editor did not start or paint");
            return;
        }
        total += ms;
    }
    state.counters["first_paint_ms"] =
        benchmark::Counter(total / double(state.iterations()), benchmark::Counter::kDefaults);
}
BENCHMARK(BM_EditorStartToFirstPaint)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

} // namespace

BENCHMARK_MAIN();
