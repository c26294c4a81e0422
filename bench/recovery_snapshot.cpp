// One recovery snapshot of a project whose file is 56 KB: the part the user-interface thread
// takes (copying the project stream) and the whole (with the cipher, the Modbus table and the
// atomic, flushed write that the worker does).
#include <benchmark/benchmark.h>

#include <filesystem>

#include "model/CZorvEditorDoc.h"
#include "model/ProjectStream.h"
#include "model/WidgetRecords.h"
#include "model/recovery/RecoveryFiles.h"
#include "platform/ScriptedPrompt.h"

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kProjectBytes = 56 * 1024;
constexpr const char* kKinds[] = {"StaticText", "Register", "DynamicText", "Key",      "Bar",
                                  "Led",        "Menu",     "Trend",       "Password", "Alarm"};

struct Rig {
    fs::path root = fs::temp_directory_path() / "zorv_bench_recovery";
    zorv::FixedPaths paths{root, root / "work", root / "temp"};
    zorv::ScriptedPrompt prompt;
    std::unique_ptr<zorv::CZorvEditorDoc> doc;

    Rig() {
        fs::remove_all(root);
        for (const char* d : {"work", "temp"})
            fs::create_directories(root / d);
        doc = std::make_unique<zorv::CZorvEditorDoc>(prompt, paths);
        // Pages of ten widgets until the project file reaches 56 KB.
        for (int n = 1; zorv::projectStream(doc->project()).size() < kProjectBytes; ++n) {
            zorv::CPage* page = doc->project().addPage(uint16_t(n), zorv::PlaceMode::Insert);
            for (const char* kind : kKinds)
                page->addWidget(kind);
        }
        doc->setModified();
    }
    ~Rig() {
        doc->close();
        doc.reset();
        fs::remove_all(root);
    }
};

void BM_SnapshotUserInterfacePart(benchmark::State& state) {
    Rig rig;
    for (auto _ : state)
        benchmark::DoNotOptimize(zorv::captureSnapshot(*rig.doc));
    state.counters["stream_bytes"] = double(zorv::projectStream(rig.doc->project()).size());
}
BENCHMARK(BM_SnapshotUserInterfacePart)->Unit(benchmark::kMillisecond);

void BM_SnapshotWhole(benchmark::State& state) {
    Rig rig;
    const fs::path file = zorv::snapshotFile(zorv::recoveryFolder(rig.root / "work"), "bench");
    std::string reason;
    for (auto _ : state) {
        const zorv::SnapshotSource source = zorv::captureSnapshot(*rig.doc);
        if (!zorv::writeSnapshot(file, zorv::completeSnapshot(source, 0, "bench"), reason))
            state.SkipWithError(reason.c_str());
    }
    state.counters["snapshot_bytes"] = double(fs::file_size(file));
}
BENCHMARK(BM_SnapshotWhole)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
