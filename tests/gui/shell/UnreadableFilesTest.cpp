// Files that cannot be read, met by the editor with unsaved work open: guards against a failed
// read that ended the program with its edits (an exception out of the reader), a named pipe that
// held the editor for ever, a message without the reason, and an import whose failure still threw
// the edits, their undo history or their modified mark away.

#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

#include "AppFixture.h"
#include "app/CMainFrame.h"
#include "editor/CZorvEditorView.h"
#include "editor/undo/EditHistory.h"
#include "image/ui/CAlarmPageDlg.h"
#include "model/CZorvEditorDoc.h"
#include "tests/gui/ModalSteps.h"

using namespace zorv;
using namespace zorv::test;

class UnreadableFilesTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { fixture_.reset(); }

    void alarmListImportKeepsTheEdits_data() { addPlaces(); }
    void alarmListImportKeepsTheEdits();
    void fileImportKeepsTheEdits_data() { addPlaces(); }
    void fileImportKeepsTheEdits();
    void projectNamedAtStartUpLeavesANewProject_data() { addPlaces(); }
    void projectNamedAtStartUpLeavesANewProject();

private:
    // A failing disk, a folder and a named pipe, with the reasons the messages give.
    void addPlaces();
    CZorvEditorView& view() { return fixture_->app.view(); }
    CZorvEditorDoc& document() { return fixture_->app.document(); }
    void trigger(CommandId id) { fixture_->app.actions().action(id)->trigger(); }
    // A static text placed on the page: an unsaved edit that undo can take back.
    void editTheProject();
    void checkEditsKept();

    std::unique_ptr<AppFixture> fixture_;
    QTemporaryDir places_;
    int widgets_ = 0;
};

void UnreadableFilesTest::init() {
    fixture_ = std::make_unique<AppFixture>();
    QVERIFY(fixture_->app.start({}, false));
}

void UnreadableFilesTest::addPlaces() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("reason");
    const QString pipe = places_.filePath("pipe.txt");
    if (!QFileInfo::exists(pipe))
        QVERIFY(::mkfifo(pipe.toLocal8Bit().constData(), 0644) == 0);
    QTest::newRow("failing disk") << "/proc/self/mem"
                                  << "Input/output error";
    QTest::newRow("folder") << places_.path() << "Is a directory";
    QTest::newRow("named pipe") << pipe << "Is a named pipe, not a file";
}

void UnreadableFilesTest::editTheProject() {
    const oonedraw::GIntRect& d = view().displayRect();
    trigger(CommandId::WidgetStaticText);
    QTest::mouseClick(&view(), Qt::LeftButton, Qt::NoModifier, {d.left + 40, d.top + 40});
    widgets_ = view().currentPage()->widgetCount();
    QVERIFY(widgets_ > 0);
    QVERIFY(document().modified());
    QVERIFY(view().history().canUndo());
}

void UnreadableFilesTest::checkEditsKept() {
    QCOMPARE(view().currentPage()->widgetCount(), widgets_);
    QVERIFY(document().modified());
    QVERIFY(view().history().canUndo());
}

void UnreadableFilesTest::alarmListImportKeepsTheEdits() {
    QFETCH(QString, path);
    QFETCH(QString, reason);
    editTheProject();
    const AlarmListRecord alarms = document().project().alarmList;
    fixture_->files.answers = {path};
    bool ran = false;
    whenModal<CAlarmPageDlg>(
        [](CAlarmPageDlg& dialog) {
            QTest::mouseClick(dialog.findChild<QPushButton*>("import"), Qt::LeftButton);
            QTest::mouseClick(dialog.findChild<QPushButton*>("cancel"), Qt::LeftButton);
        },
        &ran);
    trigger(CommandId::PageAlarmList);
    QVERIFY(ran);
    QCOMPARE(fixture_->prompt.texts,
             std::vector<std::string>{("Import failure!\n" + path + "\n" + reason).toStdString()});
    QVERIFY(document().project().alarmList == alarms);
    checkEditsKept();
}

void UnreadableFilesTest::fileImportKeepsTheEdits() {
    QFETCH(QString, path);
    QFETCH(QString, reason);
    editTheProject();
    // The save question comes first; No leaves the edits unsaved, and the failed read leaves them.
    fixture_->prompt = ScriptedPrompt({PromptAnswer::No});
    fixture_->files.answers = {path};
    trigger(CommandId::FileImport);
    QCOMPARE(fixture_->prompt.texts.size(), std::size_t(2));
    QCOMPARE(QString::fromStdString(fixture_->prompt.texts[1]),
             "Failed to open file!\n" + path + "\n" + reason);
    checkEditsKept();
}

void UnreadableFilesTest::projectNamedAtStartUpLeavesANewProject() {
    QFETCH(QString, path);
    QFETCH(QString, reason);
    fixture_.reset();
    fixture_ = std::make_unique<AppFixture>();
    QVERIFY(!fixture_->app.start(path, false));
    QCOMPARE(QString::fromStdString(fixture_->prompt.texts.back()),
             "Failed to open file!\n" + QFileInfo(path).absoluteFilePath() + "\n" + reason);
    QVERIFY(fixture_->app.frame().isVisible());
    QCOMPARE(QString::fromStdString(document().title()), QString("No title"));
    QVERIFY(!document().modified());
}

QTEST_MAIN(UnreadableFilesTest)
#include "UnreadableFilesTest.moc"
