// The undo history over a project of two pages of 100 widgets of mixed kinds: undo and redo of
// deleting all 100 widgets of a page at once, and of deleting a page of 100 widgets (the
// commands alone, without repainting the view). The counter "heldMB" of the session benchmark
// is what the history holds after 1000 edits of the kinds a user makes most (moves, property
// changes, placing and deleting widgets, one edit in a hundred a Copy Page of a page of 100
// widgets).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include "HundredWidgets.h"
#include <random>

#include "editor/undo/ChangePageCmd.h"
#include "editor/undo/EditHistory.h"
#include "editor/undo/ReplaceProjectCmd.h"
#include "model/Bytes.h"
#include "model/CZorvEditorDoc.h"
#include "platform/Paths.h"
#include "platform/ScriptedPrompt.h"

using namespace zorv;

namespace {

using bench::fillPage;
using bench::kKinds;

struct Session {
    Session()
        : paths(ZORV_PROGRAM_DIR, work.path().toStdString(), work.path().toStdString()),
          document(prompt, paths), history(document) {
        document.newProject();
        fillPage(*project().addPage(1, PlaceMode::Insert));
        fillPage(*project().addPage(2, PlaceMode::Insert));
    }
    CHCData& project() { return document.project(); }
    void changePage(const char* name, const CPage& after) {
        history.push(std::make_unique<ChangePageCmd>(name, project(),
                                                     *project().pageByNumber(after.number()), after,
                                                     [this] { return paths.workFolder(); }));
    }

    QTemporaryDir work;
    FixedPaths paths;
    ScriptedPrompt prompt;
    CZorvEditorDoc document;
    EditHistory history;
};

void UndoRedoDeleteWidgets(benchmark::State& state) {
    Session s;
    CPage empty = *s.project().pageByNumber(1);
    empty.widgets.clear();
    s.changePage("Delete", empty);
    for (auto _ : state) {
        if (!s.history.undo() || !s.history.redo())
            state.SkipWithError("the edit did not undo and redo");
    }
    state.counters["widgets"] = double(s.project().pageByNumber(1)->widgetCount());
}
BENCHMARK(UndoRedoDeleteWidgets)->Unit(benchmark::kMillisecond)->Repetitions(10);

void UndoRedoDeletePage(benchmark::State& state) {
    Session s;
    ProjectState before = ProjectState::of(s.project(), true);
    s.project().deletePage(1);
    s.history.push(std::make_unique<ReplaceProjectCmd>(
        "Delete Page", s.project(), std::move(before), ProjectState::of(s.project(), true), 1, 2));
    for (auto _ : state) {
        if (!s.history.undo() || !s.history.redo())
            state.SkipWithError("the edit did not undo and redo");
    }
}
BENCHMARK(UndoRedoDeletePage)->Unit(benchmark::kMillisecond)->Repetitions(10);

void ThousandEditSession(benchmark::State& state) {
    for (auto _ : state) {
        Session s;
        std::mt19937 random(18);
        for (int i = 0; i < 1000; ++i) {
            CPage after = *s.project().pageByNumber(1);
            const int pick = int(random() % 100);
            if (pick == 0) {
                ProjectState before = ProjectState::of(s.project(), true);
                s.project().copyPage(after, uint16_t(3 + i), PlaceMode::Insert);
                s.history.push(std::make_unique<ReplaceProjectCmd>(
                    "Copy Page", s.project(), std::move(before),
                    ProjectState::of(s.project(), true), 1, 3 + i));
                continue;
            }
            WidgetNode& node = after.widgets[random() % after.widgets.size()];
            if (pick < 60) {
                le::putU16(node.record.data() + 2, uint16_t(random() % 160));
            } else if (pick < 80) {
                node.record[8] ^= 1;
            } else if (pick < 90) {
                after.addWidget(kKinds[random() % 10]);
            } else if (after.widgets.size() > 50) {
                after.removeWidget(node.id);
            }
            s.changePage("Edit", after);
        }
        state.counters["heldMB"] = double(s.history.heldBytes()) / (1024.0 * 1024.0);
        state.counters["edits"] = s.history.size();
    }
}
BENCHMARK(ThousandEditSession)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
