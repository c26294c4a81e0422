// Edit > Find and Replace through the real main window: guards against a find that misses a
// language 2 text or a register inside a run, F3 that does not walk round or leaves the dock's
// row behind, a double click that does not select the widget, rows left naming a deleted widget,
// a replace that changes the project before its preview is taken or is more than one undo step,
// and a refused text that is stored all the same.

#include <QAction>
#include <QComboBox>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include "AppFixture.h"
#include "app/CMainFrame.h"
#include "editor/CFindPanel.h"
#include "editor/CReplaceDlg.h"
#include "editor/CZorvEditorView.h"
#include "editor/FindCommands.h"
#include "model/CZorvEditorDoc.h"
#include "model/WidgetRecords.h"
#include "panes/CPageProperty.h"

using namespace zorv;

class FindReplaceInEditorTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { fixture_.reset(); }

    void findWalksAndShowsTheWidget();
    void replacePreviewsAndUndoesInOneStep();
    void refusedTextIsListedAndNotStored();

private:
    CZorvEditorView& view() { return fixture_->app.view(); }
    CHCData& project() { return fixture_->app.document().project(); }
    QAction* action(CommandId id) { return fixture_->app.actions().action(id); }
    FindCommands& find() { return *fixture_->app.findChild<FindCommands*>(); }
    CFindPanel& panel() { return *find().panel(); }
    void search(const QString& query) {
        panel().query()->clear();
        QTest::keyClicks(panel().query(), query);
    }
    std::size_t found(const char* query) { return findInProject(project(), query).size(); }
    std::string text(uint16_t page, int language) {
        return project()
            .pageByNumber(page)
            ->widgets[0]
            .get<StaticTextRecord>()
            .text(language)
            .str();
    }
    // Runs Replace with `fill` typing into the dialog; `check` looks at the preview before
    // Replace is pressed.
    void replace(std::function<void(CReplaceDlg&)> fill, std::function<void(CReplaceDlg&)> check) {
        find().setReplaceRunner([&](CReplaceDlg& dialog) {
            dialog.show();
            fill(dialog);
            check(dialog);
            QTest::mouseClick(dialog.replaceButton(), Qt::LeftButton);
            return dialog.result() == QDialog::Accepted;
        });
        action(CommandId::EditReplace)->trigger();
    }

    std::unique_ptr<AppFixture> fixture_;
};

void FindReplaceInEditorTest::init() {
    fixture_ = std::make_unique<AppFixture>();
    QVERIFY(fixture_->app.start({}, false));
    project().addPage(2, PlaceMode::Insert);
    const char* texts[2][2] = {{"Pump", "Pumpe an"}, {"Valve", "Ventil Pumpe"}};
    const uint16_t registers[2] = {105, 119};
    for (uint16_t number : {1, 2}) {
        CPage& page = *project().pageByNumber(number);
        StaticTextRecord text = StaticTextRecord::makeDefault();
        text.setText(0, TextSlot::fromBytes(texts[number - 1][0]));
        text.setText(1, TextSlot::fromBytes(texts[number - 1][1]));
        page.widgets.push_back(WidgetNode::of(1, text));
        RegisterRecord reg = RegisterRecord::makeDefault();
        reg.setRegister({1, uint8_t(RegisterType::D), registers[number - 1]});
        reg.setY(32);
        page.widgets.push_back(WidgetNode::of(2, reg));
        page.nextWidgetId = 3;
    }
    view().initialUpdate(1);
}

void FindReplaceInEditorTest::findWalksAndShowsTheWidget() {
    action(CommandId::EditFind)->trigger();
    QVERIFY(find().dock()->isVisible());
    search("pumpe");
    QCOMPARE(panel().hitCount(), 2);
    QCOMPARE(panel().list()->topLevelItem(1)->text(2), QString("language 2 text \"Ventil Pumpe\""));

    search("D100-D119");
    QCOMPARE(panel().hitCount(), 2);
    QCOMPARE(panel().list()->topLevelItem(0)->text(1), QString("Register 2"));
    // F3 walks round the ends, Shift+F3 back; the page follows and the row is the current one.
    const int pages[] = {1, 2, 1};
    for (int page : pages) {
        action(CommandId::EditFindNext)->trigger();
        QCOMPARE(view().currentPage()->number(), page);
    }
    QCOMPARE(panel().currentRow(), 0);
    action(CommandId::EditFindPrevious)->trigger();
    QCOMPARE(panel().currentRow(), 1);
    QCOMPARE(view().currentPage()->number(), 2);

    // A double click shows the widget selected, with its pane.
    view().selectPage(1);
    QTreeWidget* list = panel().list();
    const QRect row = list->visualItemRect(list->topLevelItem(1));
    // A double click activates only the row its first press went to.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row.center());
    QCOMPARE(view().currentPage()->number(), 2);
    const auto& selected = view().canvas().GetSelection()->children;
    QCOMPARE(int(selected.size()), 1);
    QCOMPARE(selected.front()->id, 2);
    QVERIFY(view().shownPane() && view().shownPane() != view().pagePane());

    // The deleted widget's row goes with it.
    action(CommandId::EditDelete)->trigger();
    QCOMPARE(panel().hitCount(), 1);
    QCOMPARE(panel().list()->topLevelItem(0)->text(0), QString("1"));
    QCOMPARE(panel().currentRow(), 0);
    // Another query starts F3 from its first row.
    search("pumpe");
    QCOMPARE(panel().currentRow(), -1);
}

void FindReplaceInEditorTest::replacePreviewsAndUndoesInOneStep() {
    search("D100-D119"); // Replace starts from what Find looks for
    replace(
        [](CReplaceDlg& d) {
            QCOMPARE(d.kinds()->currentIndex(), 1);
            QCOMPARE(d.fromRegisters()->text(), QString("D100-D119"));
            QTest::keyClicks(d.toRegisters(), "D200-D219");
        },
        [this](CReplaceDlg& d) {
            QCOMPARE(d.preview()->topLevelItemCount(), 2);
            const QTreeWidgetItem* second = d.preview()->topLevelItem(1);
            QCOMPARE(second->text(0) + " " + second->text(1) + " " + second->text(2) + " " +
                         second->text(3) + " " + second->text(4),
                     QString("2 Register 2 register D119 D219"));
            QCOMPARE(found("D100-D119"), std::size_t(2)); // nothing stored yet
            d.byOffset()->click();                        // by 0: nothing moves
            QCOMPARE(d.preview()->topLevelItemCount(), 0);
            QVERIFY(!d.replaceButton()->isEnabled());
            d.byRun()->click();
            d.where()->setCurrentIndex(1);
            QTest::keyClicks(d.pages(), "9");
            QVERIFY(!d.replaceButton()->isEnabled());
            QCOMPARE(d.note()->text(), QString("There is no page 9."));
            d.pages()->setText("1, 2");
            QCOMPARE(d.preview()->topLevelItemCount(), 2);
        });
    QCOMPARE(found("D100-D119"), std::size_t(0));
    QCOMPARE(found("D200-D219"), std::size_t(2));
    QVERIFY(fixture_->app.document().modified());

    action(CommandId::EditUndo)->trigger();
    QCOMPARE(found("D100-D119"), std::size_t(2));
    QVERIFY(!action(CommandId::EditUndo)->isEnabled());
    action(CommandId::EditRedo)->trigger();
    QCOMPARE(found("D200-D219"), std::size_t(2));
}

void FindReplaceInEditorTest::refusedTextIsListedAndNotStored() {
    replace(
        [](CReplaceDlg& d) {
            QTest::keyClicks(d.findText(), "Pumpe");
            QTest::keyClicks(d.replacement(), "Kreiselpumpenmotor");
            d.languages()->setCurrentIndex(1);
        },
        [](CReplaceDlg& d) {
            QCOMPARE(d.preview()->topLevelItemCount(), 2);
            QVERIFY(d.preview()->topLevelItem(1)->text(4).contains(
                "refused: The text takes 25 bytes; at most 24 fit"));
            QCOMPARE(d.note()->text(),
                     QString("1 change, stored as one edit. 1 refused text is not stored."));
        });
    QCOMPARE(text(1, 1), std::string("Kreiselpumpenmotor an"));
    QCOMPARE(text(2, 1), std::string("Ventil Pumpe"));
    QCOMPARE(text(1, 0), std::string("Pump"));
}

QTEST_MAIN(FindReplaceInEditorTest)
#include "FindReplaceInEditorTest.moc"
