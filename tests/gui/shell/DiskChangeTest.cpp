// Another program's change of the open project file, through the real main window: guards
// against a change never told, told again and again as the window comes back (from the
// question itself, or from any other window), a reload that leaves the old pages on screen or
// an undo into the project that was thrown away, and File > Save writing over the change
// unasked.

#include <QAbstractButton>
#include <QAction>
#include <QMessageBox>
#include <QTest>
#include <fstream>

#include "AppFixture.h"
#include "ScriptedPageDialogs.h"
#include "app/CMainFrame.h"
#include "editor/CPageTree.h"
#include "editor/CZorvEditorView.h"
#include "editor/undo/EditHistory.h"
#include "model/CZorvEditorDoc.h"
#include "model/ProjectCipher.h"
#include "model/ProjectStream.h"
#include "platform/qt/QtPrompt.h"
#include "tests/gui/ModalSteps.h"

using namespace zorv;
namespace fs = std::filesystem;

class DiskChangeTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() {
        test::dropPendingModalSteps();
        fixture_.reset();
    }

    void activationTellsEachChangeOnce();
    void reloadShowsTheFileAndForgetsTheEdits();
    void saveAsksBeforeWritingOverTheChange();
    void theRealQuestionComesOnce();

private:
    CMainFrame& frame() { return fixture_->app.frame(); }
    CZorvEditorView& view() { return fixture_->app.view(); }
    CZorvEditorDoc& document() { return fixture_->app.document(); }
    std::vector<std::string>& texts() { return fixture_->prompt.texts; }
    void trigger(CommandId id) { fixture_->app.actions().action(id)->trigger(); }
    // Another program writes a project of these pages over the file.
    void writeProject(std::initializer_list<int> pages);
    std::vector<int> pagesOnDisk();
    // The user goes to another window and comes back to the editor.
    void comeBack(QWidget& window);
    void comeBack() { comeBack(frame()); }

    std::unique_ptr<AppFixture> fixture_;
    ScriptedPageDialogs dialogs_;
    fs::path file_;
};

const std::vector<std::string> kAskedOnce{docmsg::kChangedOnDisk};

void DiskChangeTest::init() {
    fixture_ = std::make_unique<AppFixture>();
    QVERIFY(fixture_->app.start({}, false));
    view().setPageDialogs(&dialogs_);
    file_ = fs::path(fixture_->work.path().toStdString()) / "projects" / "Press.zvd";
    fs::create_directories(file_.parent_path());
    writeProject({1});
    QVERIFY(fixture_->app.openProject(QString::fromStdString(file_.string())));
    frame().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&frame()));
    QCoreApplication::processEvents();
    QVERIFY(texts().empty());
}

void DiskChangeTest::writeProject(std::initializer_list<int> pages) {
    CHCData project;
    for (int number : pages)
        project.addPage(uint16_t(number), PlaceMode::Insert);
    const std::vector<uint8_t> bytes = encipherProject(projectStream(project));
    std::ofstream(file_, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

std::vector<int> DiskChangeTest::pagesOnDisk() {
    ScriptedPrompt quiet;
    CZorvEditorDoc reader(quiet, fixture_->paths);
    if (!reader.open(file_))
        return {};
    std::vector<int> numbers;
    for (int i = 0; i < reader.project().pageCount(); ++i)
        numbers.push_back(reader.project().page(i)->number());
    return numbers;
}

void DiskChangeTest::comeBack(QWidget& window) {
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    // The look at the file waits until the activation is over.
    QCoreApplication::processEvents();
}

void DiskChangeTest::activationTellsEachChangeOnce() {
    // Coming back with nothing changed asks nothing.
    comeBack();
    QVERIFY(texts().empty());

    writeProject({1, 2});
    fixture_->prompt = ScriptedPrompt({PromptAnswer::No}); // Keep mine
    comeBack();
    QCOMPARE(texts(), kAskedOnce);
    QVERIFY(frame().isWindowModified());
    QCOMPARE(document().project().pageCount(), 1);
    comeBack();
    comeBack();
    QCOMPARE(texts(), kAskedOnce);

    // A later change is told on its own.
    writeProject({1, 2, 3});
    comeBack();
    QCOMPARE(texts().size(), std::size_t(2));
    comeBack();
    QCOMPARE(texts().size(), std::size_t(2));
}

void DiskChangeTest::reloadShowsTheFileAndForgetsTheEdits() {
    dialogs_.answer = PageChoice{2, PlaceMode::Insert, QStringLiteral("two")};
    trigger(CommandId::PageNew);
    QVERIFY(view().history().canUndo());
    QVERIFY(frame().isWindowModified());

    writeProject({1, 7});
    fixture_->prompt = ScriptedPrompt({PromptAnswer::Yes}); // Reload
    comeBack();
    QCOMPARE(texts(), kAskedOnce);
    auto* tree = view().findChild<CPageTree*>();
    QVERIFY(tree);
    QVERIFY(tree->pageItem(7));
    QVERIFY(!tree->pageItem(2));
    QCOMPARE(view().currentPage(), document().project().page(0));
    QVERIFY(!view().history().canUndo());
    QVERIFY(!frame().isWindowModified());
    QVERIFY(!document().changedOnDisk());
    comeBack();
    QCOMPARE(texts(), kAskedOnce);
}

void DiskChangeTest::saveAsksBeforeWritingOverTheChange() {
    dialogs_.answer = PageChoice{4, PlaceMode::Insert, QStringLiteral("four")};
    trigger(CommandId::PageNew);
    writeProject({1, 2});
    fixture_->prompt = ScriptedPrompt({PromptAnswer::No}); // Keep mine
    trigger(CommandId::FileSave);
    QCOMPARE(texts(), kAskedOnce);
    QCOMPARE(pagesOnDisk(), (std::vector<int>{1, 4}));
    QVERIFY(!frame().isWindowModified());
    // The editor's own save is no change when the window comes back, nor at the next save.
    comeBack();
    trigger(CommandId::FileSave);
    QCOMPARE(texts(), kAskedOnce);

    // Reload at Save: nothing is written and the file's pages are shown.
    trigger(CommandId::PageNew);
    writeProject({1, 9});
    fixture_->prompt = ScriptedPrompt({PromptAnswer::Yes});
    trigger(CommandId::FileSave);
    QCOMPARE(texts(), kAskedOnce);
    QCOMPARE(pagesOnDisk(), (std::vector<int>{1, 9}));
    QVERIFY(view().findChild<CPageTree*>()->pageItem(9));
}

// The real message box: closing it makes the main window active again, which must not ask once
// more.
void DiskChangeTest::theRealQuestionComesOnce() {
    // An editor of its own, with the real prompt, in place of the fixture's.
    fixture_.reset();
    QTemporaryDir work;
    FixedPaths paths(ZORV_PROGRAM_DIR, work.path().toStdString(), work.path().toStdString());
    MemoryRegistry registry;
    registry.setValue("Tip/StartUp", "1");
    QtPrompt prompt;
    ScriptedFileChooser files;
    ScriptedFileViewer viewer;
    file_ = fs::path(work.path().toStdString()) / "Press.zvd";
    writeProject({1});
    CZorvEditorApp app({registry, prompt, files, paths, viewer});
    QVERIFY(app.start(QString::fromStdString(file_.string()), false));
    prompt.setOwner(&app.frame());
    app.frame().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&app.frame()));
    QCoreApplication::processEvents();

    writeProject({1, 2});
    int boxes = 0;
    QString text;
    QStringList words;
    const std::function<void(QMessageBox&)> keepMine = [&](QMessageBox& box) {
        ++boxes;
        text = box.text();
        for (QAbstractButton* button : box.buttons()) {
            words << button->text();
            if (button->text() == "Keep mine")
                QTest::mouseClick(button, Qt::LeftButton);
        }
    };
    test::whenModal<QMessageBox>(keepMine);
    comeBack(app.frame());
    QTRY_COMPARE(boxes, 1);
    // The window system gives the activation back to the window once the question is gone.
    // A second question would be up then; it is answered, so that the test cannot hang on it.
    test::whenModal<QMessageBox>(keepMine);
    app.frame().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&app.frame()));
    QTest::qWait(300);
    QCOMPARE(boxes, 1);
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(text, QString(docmsg::kChangedOnDisk));
    words.sort();
    QCOMPARE(words, (QStringList{"Keep mine", "Reload"}));
    QVERIFY(app.frame().isWindowModified());
}

QTEST_MAIN(DiskChangeTest)
#include "DiskChangeTest.moc"
