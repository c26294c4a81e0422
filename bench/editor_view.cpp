// The editing view with pages of 100 widgets of mixed kinds: switching pages in the tree
// (the shown pane committed, the canvas cleared, the page loaded through the creation tools and
// painted), and one step of a drag (a pointer move snapped to the grid with the move feedback
// drawn and the view repainted). Each step ends with the view's picture, which paints what is
// outstanding and copies the 750 x 580 picture (the copy is part of the time).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>

#include "HundredWidgets.h"

#include "commands/ActionRegistry.h"
#include "editor/CPageTree.h"
#include "editor/CZorvEditorView.h"
#include "model/Bytes.h"
#include "model/CZorvEditorDoc.h"
#include "platform/Registry.h"
#include "platform/ScriptedPrompt.h"
#include "platform/qt/ScriptedFileChooser.h"

using namespace zorv;

namespace {

using bench::fillPage;

struct Editor {
    Editor()
        : paths(ZORV_PROGRAM_DIR, work.path().toStdString(), work.path().toStdString()),
          document(prompt, paths),
          view(EditorServices{document, actions, prompt, files, paths, registry}) {
        document.newProject();
        CHCData& project = document.project();
        fillPage(*project.addPage(1, PlaceMode::Insert));
        fillPage(*project.addPage(2, PlaceMode::Insert));
        view.resize(750, 580);
        view.show();
        view.initialUpdate();
    }
    void move(QPoint at, Qt::MouseButtons buttons) {
        QMouseEvent event(QEvent::MouseMove, at, view.mapToGlobal(at), Qt::NoButton, buttons,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(&view, &event);
    }

    QTemporaryDir work;
    FixedPaths paths;
    ScriptedPrompt prompt;
    ScriptedFileChooser files;
    MemoryRegistry registry;
    ActionRegistry actions;
    CZorvEditorDoc document;
    CZorvEditorView view;
};

void PageSwitch(benchmark::State& state) {
    Editor editor;
    CPageTree* tree = editor.view.pageTree();
    int number = 1;
    for (auto _ : state) {
        number = 3 - number;
        tree->setCurrentItem(tree->pageItem(number));
        benchmark::DoNotOptimize(editor.view.picture());
    }
    if (editor.view.canvas().children.size() != 100)
        state.SkipWithError("the page was not loaded");
}
BENCHMARK(PageSwitch)->Unit(benchmark::kMillisecond);

void DragStep(benchmark::State& state) {
    Editor editor;
    // Press on the first widget (a static text at the display's corner) and drag it about.
    const QPoint grab(294, 59);
    QMouseEvent press(QEvent::MouseButtonPress, grab, editor.view.mapToGlobal(grab), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&editor.view, &press);
    if (editor.view.canvas().GetSelection()->children.size() != 1)
        state.SkipWithError("no widget was pressed");
    int step = 0;
    for (auto _ : state) {
        step = (step + 1) % 40;
        editor.move(grab + QPoint(4 * step, 2 * step), Qt::LeftButton);
        benchmark::DoNotOptimize(editor.view.picture());
    }
}
BENCHMARK(DragStep)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
