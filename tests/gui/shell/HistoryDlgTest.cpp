// File > Restore Earlier Version as the user meets it. Guards against: the rows in the wrong
// order or a row restoring another version than it shows; a restored version that is marked as
// saved, changes the project's path or writes over the file on disk; the view left on the
// project it showed before; a version's Modbus table lost; Cancel, or Cancel at the question
// about pending changes, changing anything; a project without a file or without versions
// opening an empty dialog instead of saying why; a list that a screen reader cannot name.

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "AppFixture.h"
#include "app/CHistoryDlg.h"
#include "app/CMainFrame.h"
#include "editor/CPageTree.h"
#include "editor/CZorvEditorView.h"
#include "model/FileOps.h"
#include "tests/gui/ModalSteps.h"

using namespace zorv;
namespace fs = std::filesystem;

class HistoryDlgTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() {
        test::dropPendingModalSteps();
        fixture_.reset();
    }

    void restoresTheChosenVersionAsUnsavedWork();
    void cancelChangesNothing();
    void pendingChangesAreAskedAboutFirst();
    void aProjectWithoutFileOrVersionsIsTold();

private:
    CZorvEditorDoc& document() { return fixture_->app.document(); }
    void trigger() { fixture_->app.actions().action(CommandId::FileRestoreVersion)->trigger(); }
    void setTable(const std::string& text) {
        QVERIFY(fileops::writeFile(document().modbusWorkingCopy(),
                                   std::vector<uint8_t>(text.begin(), text.end())));
    }
    std::string table() {
        const auto bytes = fileops::readFile(document().modbusWorkingCopy());
        return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
    }
    // Two saves kept (pages first_ then second_, tables "one" and "three"); the file holds a
    // page 40 more, and the table "four".
    void threeSaves();
    static QPushButton* button(QDialog& dialog, const QString& text) {
        for (auto* b : dialog.findChildren<QPushButton*>())
            if (b->text() == text)
                return b;
        return nullptr;
    }

    std::unique_ptr<AppFixture> fixture_;
    fs::path file_;
    int first_ = 0;
    int second_ = 0;
};

void HistoryDlgTest::init() {
    fixture_ = std::make_unique<AppFixture>();
    QVERIFY(fixture_->app.start({}, false));
    file_ = fs::path(fixture_->work.path().toStdString()) / "projects" / "Press.zvd";
}

void HistoryDlgTest::threeSaves() {
    document().project().addPage(10, PlaceMode::Insert);
    first_ = document().project().pageCount();
    setTable("one");
    QVERIFY(document().save(file_));
    document().project().addPage(20, PlaceMode::Insert);
    document().project().addPage(30, PlaceMode::Insert);
    second_ = document().project().pageCount();
    setTable("three");
    QVERIFY(document().save(file_));
    document().project().addPage(40, PlaceMode::Insert);
    setTable("four");
    QVERIFY(document().save(file_));
    fixture_->app.view().initialUpdate();
}

void HistoryDlgTest::restoresTheChosenVersionAsUnsavedWork() {
    threeSaves();
    const auto onDisk = fileops::readFile(file_);
    // What the dialog showed, checked once it has closed.
    QStringList pages;
    QString size, current, heading;
    bool ran = false;
    test::whenModal<CHistoryDlg>(
        [&](CHistoryDlg& dialog) {
            auto* list = dialog.findChild<QTreeWidget*>();
            for (int row = 0; row < list->topLevelItemCount(); ++row)
                pages << list->topLevelItem(row)->text(2);
            size = list->topLevelItem(0)->text(1);
            current = list->currentItem() ? list->currentItem()->text(2) : QString();
            for (auto* label : dialog.findChildren<QLabel*>())
                if (label->buddy() == list)
                    heading = label->text() + "|" + list->accessibleName();
            // Chosen by the keyboard alone.
            list->setFocus();
            QTest::keyClick(list, Qt::Key_Down);
            QTest::keyClick(list, Qt::Key_Return);
            if (dialog.isVisible())
                dialog.reject();
        },
        &ran);
    trigger();
    QVERIFY(ran);
    // Newest first: the second save, then the first.
    QCOMPARE(pages, (QStringList{QString::number(second_), QString::number(first_)}));
    QVERIFY(size.endsWith(" bytes"));
    QCOMPARE(current, QString::number(second_));
    QCOMPARE(heading, QString("&Earlier versions of Press.zvd, newest first:|Earlier versions"));

    QVERIFY(document().modified());
    QCOMPARE(document().path(), file_);
    QCOMPARE(document().project().pageCount(), first_);
    QCOMPARE(table(), std::string("one"));
    QVERIFY(fixture_->app.frame().isWindowModified());
    // The view shows the restored project.
    auto* tree = fixture_->app.view().pageTree();
    QCOMPARE(tree->root()->childCount(), first_);
    QVERIFY(!tree->pageItem(40));
    // The file on disk is the last save until the user saves again, which keeps it in turn.
    QCOMPARE(fileops::readFile(file_), onDisk);
    QVERIFY(document().save(file_));
    QCOMPARE(ProjectHistory(fixture_->paths.workFolder(), file_).versions().size(), 3u);
}

void HistoryDlgTest::cancelChangesNothing() {
    threeSaves();
    bool ran = false;
    test::whenModal<CHistoryDlg>(
        [](CHistoryDlg& dialog) {
            QPushButton* cancel = button(dialog, "Cancel");
            if (cancel)
                QTest::mouseClick(cancel, Qt::LeftButton);
            else
                dialog.reject();
        },
        &ran);
    trigger();
    QVERIFY(ran);
    QVERIFY(!document().modified());
    QCOMPARE(document().project().pageCount(), second_ + 1);
    QCOMPARE(table(), std::string("four"));
}

void HistoryDlgTest::pendingChangesAreAskedAboutFirst() {
    threeSaves();
    document().project().addPage(50, PlaceMode::Insert);
    document().setModified();
    fixture_->prompt = ScriptedPrompt({PromptAnswer::Cancel});
    const auto restoreOldest = [](CHistoryDlg& dialog) {
        auto* list = dialog.findChild<QTreeWidget*>();
        list->setCurrentItem(list->topLevelItem(1));
        QTest::mouseClick(button(dialog, "&Restore"), Qt::LeftButton);
    };
    test::whenModal<CHistoryDlg>(restoreOldest);
    trigger();
    QCOMPARE(fixture_->prompt.texts, std::vector<std::string>{docmsg::kSaveChanges});
    QVERIFY(document().modified());
    QCOMPARE(document().project().pageCount(), second_ + 2);

    // No: the changes go, the version comes.
    fixture_->prompt = ScriptedPrompt({PromptAnswer::No});
    test::whenModal<CHistoryDlg>(restoreOldest);
    trigger();
    QCOMPARE(document().project().pageCount(), first_);
    QVERIFY(document().modified());
}

void HistoryDlgTest::aProjectWithoutFileOrVersionsIsTold() {
    bool ran = false;
    test::whenModal<CHistoryDlg>([](CHistoryDlg& dialog) { dialog.reject(); }, &ran);
    trigger();
    QCOMPARE(fixture_->prompt.texts.size(), std::size_t(1));
    QVERIFY(fixture_->prompt.texts[0].find("not been saved yet") != std::string::npos);

    QVERIFY(document().save(file_));
    trigger();
    QCOMPARE(fixture_->prompt.texts.size(), std::size_t(2));
    QCOMPARE(fixture_->prompt.texts[1],
             std::string("No earlier versions of Press.zvd are kept yet. Each save keeps the "
                         "version it replaces."));
    QVERIFY(!ran);
    // A version that is no project file is not offered either.
    const ProjectHistory history(fixture_->paths.workFolder(), file_);
    fs::create_directories(history.folder());
    QVERIFY(fileops::writeFile(history.folder() / "000001-20240101-000000.zvd",
                               std::vector<uint8_t>(16, 0xEE)));
    trigger();
    QCOMPARE(fixture_->prompt.texts.size(), std::size_t(3));
    QVERIFY(!ran);
    QVERIFY(!document().modified());
}

QTEST_MAIN(HistoryDlgTest)
#include "HistoryDlgTest.moc"
