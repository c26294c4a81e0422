// Recovery snapshots in the running application: when one is written after a change (after a
// pause, and under steady editing all the same), that saving or discarding removes it, that the
// snapshot of an editor that died is offered and recovered as unsaved work of the same path
// while one of a running editor is left alone, and that a work folder without room for
// snapshots is said once and keeps the editor going.

#include <QElapsedTimer>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QtTest>
#include <fstream>

#include "AppFixture.h"
#include "app/AppIdentity.h"
#include "app/CMainFrame.h"
#include "app/CRecoveryDlg.h"
#include "app/RecoveryKeeper.h"
#include "model/FileOps.h"
#include "model/ProjectCipher.h"
#include "model/ProjectStream.h"
#include "tests/gui/ModalSteps.h"

using namespace zorv;
using namespace zorv::test;
namespace fs = std::filesystem;

namespace {

fs::path recoveryOf(AppFixture& f) {
    return recoveryFolder(f.paths.workFolder());
}

std::size_t snapshotCount(AppFixture& f) {
    return snapshotFiles(recoveryOf(f)).size();
}

// A snapshot as an editor leaves it; its lock names a process that is no longer running when
// `dead`, else it is held by `held` (standing for a running editor).
void leaveSnapshot(AppFixture& f, const std::string& session, const CHCData& project,
                   const std::string& path, QLockFile* held = nullptr) {
    RecoverySnapshot s;
    s.projectPath = path;
    s.takenAt = 1700000000;
    s.editorVersion = kVersionLine;
    s.projectFile = encipherProject(projectStream(project));
    s.modbusTable = {7, 7};
    std::string reason;
    QVERIFY(writeSnapshot(snapshotFile(recoveryOf(f), session), s, reason));
    if (held)
        return;
    // PIDs are below pid_max (at most 2^22): this one belongs to no process.
    std::ofstream(sessionLockFile(recoveryOf(f), session)) << "4194304\nzorveditor\n\n";
}

} // namespace

class RecoveryKeeperTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { dropPendingModalSteps(); }

    void aSnapshotFollowsAPauseAndGoesWithSaveOrDiscard() {
        AppFixture f;
        f.app.start({}, false);
        QCOMPARE(snapshotCount(f), std::size_t(0));
        f.app.document().project().addPage(3, PlaceMode::Insert);
        QElapsedTimer since;
        since.start();
        f.app.document().setModified(true);
        QTRY_COMPARE_WITH_TIMEOUT(snapshotCount(f), std::size_t(1), 3000);
        QVERIFY(since.elapsed() >= 900);

        RecoverySnapshot s;
        std::string reason;
        QVERIFY(readSnapshot(snapshotFiles(recoveryOf(f)).front(), s, reason));
        QVERIFY(s.projectPath.empty());
        QCOMPARE(s.projectFile, encipherProject(projectStream(f.app.document().project())));

        // Saved or answered No: the document is no longer modified.
        f.app.document().setModified(false);
        QTRY_COMPARE_WITH_TIMEOUT(snapshotCount(f), std::size_t(0), 1000);
    }

    void steadyEditingIsSnapshottedWithinFiveSeconds() {
        AppFixture f;
        f.app.start({}, false);
        QElapsedTimer since;
        since.start();
        while (snapshotCount(f) == 0 && since.elapsed() < 6000) {
            f.app.document().setModified(true);
            QTest::qWait(200);
        }
        QCOMPARE(snapshotCount(f), std::size_t(1));
        QVERIFY2(since.elapsed() <= 5000, qPrintable(QString::number(since.elapsed())));
    }

    void theSnapshotOfADeadEditorIsOfferedAndRecovered() {
        AppFixture f;
        CHCData left;
        left.addPage(9, PlaceMode::Insert)->setDescription("Dosing");
        const std::string path = (fs::path(f.work.path().toStdString()) / "dosing.zvd").string();
        fs::create_directories(recoveryOf(f));
        leaveSnapshot(f, "1-dead", left, path);
        // A running editor's snapshot: its lock is held.
        QLockFile running(QString::fromStdString(sessionLockFile(recoveryOf(f), "2-alive")));
        QVERIFY(running.tryLock(0));
        leaveSnapshot(f, "2-alive", CHCData(), "", &running);

        int rows = -1;
        whenModal<CRecoveryDlg>([&](CRecoveryDlg& dialog) {
            auto* list = dialog.findChild<QTreeWidget*>();
            rows = list->topLevelItemCount();
            QCOMPARE(list->topLevelItem(0)->text(0), QString::fromStdString(path));
            QCOMPARE(list->topLevelItem(0)->text(2), QString("missing"));
            for (auto* button : dialog.findChildren<QPushButton*>())
                if (button->text() == "&Recover")
                    button->click();
        });
        f.app.start({}, false);
        QCOMPARE(rows, 1);
        CZorvEditorDoc& doc = f.app.document();
        QVERIFY(doc.modified());
        QCOMPARE(doc.path().string(), path);
        QVERIFY(doc.project().pageByNumber(9));
        QCOMPARE(fileops::readFile(doc.modbusWorkingCopy()).value(), (std::vector<uint8_t>{7, 7}));
        // The recovered work is this editor's snapshot now; the dead one's is gone, the running
        // one's is left alone.
        const auto files = snapshotFiles(recoveryOf(f));
        QCOMPARE(files.size(), std::size_t(2));
        for (const fs::path& file : files)
            QVERIFY(snapshotSession(file) != "1-dead");
    }

    void laterKeepsAndDiscardDeletes() {
        AppFixture f;
        fs::create_directories(recoveryOf(f));
        leaveSnapshot(f, "1-dead", CHCData(), "");
        leaveSnapshot(f, "3-dead", CHCData(), "");
        whenModal<CRecoveryDlg>([](CRecoveryDlg& dialog) {
            for (auto* button : dialog.findChildren<QPushButton*>())
                if (button->text() == "&Later")
                    button->click();
        });
        f.app.start({}, false);
        QCOMPARE(snapshotCount(f), std::size_t(2));
        QVERIFY(!f.app.document().modified());

        AppFixture again;
        bool ran = false;
        whenModal<CRecoveryDlg>(
            [](CRecoveryDlg& dialog) {
                for (int i = 0; i < 2; ++i)
                    for (auto* button : dialog.findChildren<QPushButton*>())
                        if (button->text() == "&Discard" && button->isEnabled())
                            button->click();
            },
            &ran);
        fs::create_directories(recoveryOf(again));
        leaveSnapshot(again, "1-dead", CHCData(), "");
        leaveSnapshot(again, "3-dead", CHCData(), "");
        again.app.start({}, false);
        QVERIFY(ran);
        QCOMPARE(snapshotCount(again), std::size_t(0));
    }

    void aWorkFolderWithoutRoomIsSaidOnceAndEditingGoesOn() {
        QTemporaryDir work;
        // The recovery folder's place is taken by a file.
        std::ofstream((fs::path(work.path().toStdString()) / "recovery").string()) << "";
        MemoryRegistry registry;
        ScriptedPrompt prompt;
        ScriptedFileChooser files;
        FixedPaths paths(ZORV_PROGRAM_DIR, work.path().toStdString(), work.path().toStdString());
        ScriptedFileViewer viewer;
        CZorvEditorApp app({registry, prompt, files, paths, viewer});
        app.start({}, false);
        QVERIFY(!app.recovery().active());
        QVERIFY(
            app.frame().statusBar()->currentMessage().startsWith("Recovery snapshots are off: "));
        app.document().setModified(true);
        QTest::qWait(1300);
        QVERIFY(prompt.texts.empty());
    }
};

QTEST_MAIN(RecoveryKeeperTest)
#include "RecoveryKeeperTest.moc"
