// Save and open of a project through the document (plain stream, temporary file, cipher,
// atomic replacement, reading back), for 10, 100 and 1000 pages of 20 widgets of mixed kinds.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "model/CZorvEditorDoc.h"
#include "model/WidgetRecords.h"
#include "platform/ScriptedPrompt.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kKinds[] = {"StaticText", "Register", "DynamicText", "Key",      "Bar",
                                  "Led",        "Menu",     "Trend",       "Password", "Alarm"};

void fill(zorv::CHCData& project, int pages) {
    for (int n = 1; n <= pages; ++n) {
        zorv::CPage* page = project.addPage(uint16_t(n), zorv::PlaceMode::Insert);
        page->setDescription("page " + std::to_string(n));
        for (int w = 0; w < 20; ++w)
            page->addWidget(kKinds[w % 10]);
    }
}

void BM_SaveAndOpen(benchmark::State& state) {
    const fs::path root = fs::temp_directory_path() / "zorv_bench_project_file";
    fs::remove_all(root);
    for (const char* d : {"work", "temp"})
        fs::create_directories(root / d);
    zorv::FixedPaths paths(root, root / "work", root / "temp");
    zorv::ScriptedPrompt prompt;
    zorv::CZorvEditorDoc doc(prompt, paths);
    fill(doc.project(), int(state.range(0)));
    const fs::path file = root / "bench.zvd";
    for (auto _ : state) {
        doc.setModified();
        if (!doc.save(file) || !doc.open(file))
            state.SkipWithError("save or open failed");
    }
    state.counters["file_bytes"] = double(fs::file_size(file));
    doc.close();
    fs::remove_all(root);
}
BENCHMARK(BM_SaveAndOpen)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
