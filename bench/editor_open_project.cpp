// Opening a project of 1000 pages in the editor: the file read and deciphered, the page tree
// rebuilt with 1000 items, the first page loaded through the creation tools and painted (the
// view's picture). The editor is the real application over test doubles, offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include "app/CZorvEditorApp.h"
#include "editor/CZorvEditorView.h"
#include "model/Bytes.h"
#include "platform/ScriptedFileViewer.h"
#include "platform/ScriptedPrompt.h"
#include "platform/qt/ScriptedFileChooser.h"

using namespace zorv;

namespace {

constexpr int kPages = 1000;
constexpr const char* kKinds[] = {"StaticText", "Register", "DynamicText", "Key", "Led"};

void BM_OpenProjectOf1000Pages(benchmark::State& state) {
    QTemporaryDir work;
    const std::filesystem::path folder = work.path().toStdString();
    FixedPaths paths(ZORV_PROGRAM_DIR, folder, folder);
    MemoryRegistry registry;
    registry.setValue("Tip/StartUp", "1");
    ScriptedPrompt prompt;
    ScriptedFileChooser files;
    const std::filesystem::path project = folder / "large.zvd";
    {
        CZorvEditorDoc doc(prompt, paths);
        doc.newProject();
        for (int p = 1; p <= kPages; ++p) {
            CPage* page = doc.project().addPage(uint16_t(p), PlaceMode::Insert);
            for (int i = 0; i < 5; ++i) {
                WidgetNode* node = page->addWidget(kKinds[i]);
                le::putU16(node->record.data() + 2, uint16_t(i * 36));
                le::putU16(node->record.data() + 4, uint16_t(i * 8));
            }
        }
        if (!doc.save(project)) {
            state.SkipWithError("the project could not be saved");
            return;
        }
    }
    ScriptedFileViewer viewer;
    CZorvEditorApp app({registry, prompt, files, paths, viewer});
    app.start({}, false);
    for (auto _ : state) {
        if (!app.openProject(QString::fromStdString(project.string()))) {
            state.SkipWithError("the project did not open");
            return;
        }
        benchmark::DoNotOptimize(app.view().picture());
        // The next open starts from an unmodified project, as a user's would.
        app.document().setModified(false);
    }
    state.counters["pages"] = app.document().project().pageCount();
}
BENCHMARK(BM_OpenProjectOf1000Pages)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
