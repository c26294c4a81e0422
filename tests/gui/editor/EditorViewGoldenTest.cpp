// The editing view as painted: the panel picture, the grey display area with its grid and the
// demo project's first page, compared pixel for pixel with tests/data/golden/editor_view.png.
// Guards against a display area drawn off its place, a grid of the wrong pitch, widgets
// painted at other positions or sizes than the page canvas gives them, and drag feedback left
// behind in the picture. ZORV_REGENERATE_GOLDEN=1 rewrites the image on purpose.

#include <QAction>
#include <QTemporaryDir>
#include <QTest>

#include "commands/ActionRegistry.h"
#include "editor/CZorvEditorView.h"
#include "model/CZorvEditorDoc.h"
#include "platform/Registry.h"
#include "platform/ScriptedPrompt.h"
#include "platform/qt/ScriptedFileChooser.h"

using namespace zorv;

class EditorViewGoldenTest : public QObject {
    Q_OBJECT
private slots:
    void demoPageOne();
};

void EditorViewGoldenTest::demoPageOne() {
    QTemporaryDir work;
    FixedPaths paths(ZORV_PROGRAM_DIR, work.path().toStdString(), work.path().toStdString());
    ScriptedPrompt prompt;
    ScriptedFileChooser files;
    MemoryRegistry registry;
    ActionRegistry actions;
    CZorvEditorDoc document(prompt, paths);
    QVERIFY(document.open(std::filesystem::path(ZORV_PROGRAM_DIR) / "demo.zvd"));
    CZorvEditorView view(EditorServices{document, actions, prompt, files, paths, registry});
    view.resize(CZorvEditorView::kLayoutWidth, 580);
    view.initialUpdate();
    // A drag in progress and released again leaves no feedback in the picture.
    view.canvas().Select(view.canvas().children.front(), oonedraw::kSelectReplace);
    view.canvas().ClearSelection();
    QImage actual = view.picture();
    QCOMPARE(actual.size(), QSize(750, 580));
    actual = actual.copy(0, 0, 750, 290); // the tree and the panes are not part of the picture

    const QString golden = QStringLiteral(ZORV_SOURCE_DIR "/tests/data/golden/editor_view.png");
    if (qEnvironmentVariableIntValue("ZORV_REGENERATE_GOLDEN") == 1)
        QVERIFY(actual.save(golden));
    const QImage expected = QImage(golden).convertToFormat(actual.format());
    QVERIFY2(!expected.isNull(), "tests/data/golden/editor_view.png is missing");
    QCOMPARE(expected.size(), actual.size());
    int differing = 0;
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x)
            differing += actual.pixel(x, y) != expected.pixel(x, y);
    if (differing) {
        const QString out = QStringLiteral(ZORV_BINARY_DIR "/golden-actual/editor_view.png");
        QDir().mkpath(QStringLiteral(ZORV_BINARY_DIR "/golden-actual"));
        actual.save(out);
        QFAIL(qPrintable(
            QStringLiteral("%1 pixels differ; the picture is in %2").arg(differing).arg(out)));
    }
    view.dropProject();
}

QTEST_MAIN(EditorViewGoldenTest)
#include "EditorViewGoldenTest.moc"
