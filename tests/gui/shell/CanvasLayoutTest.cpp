// Aligning and texts edited on the canvas, through the real main window: align left of three
// widgets leaves one x in their records and one undo brings every x back; the commands wait for
// a selection large enough; a double click or F2 on a static text opens a field over it whose
// Enter stores the text as one undo step, whose Esc stores nothing, and whose refused text
// stays as typed.

#include <QAction>
#include <QLineEdit>
#include <QTest>

#include "AppFixture.h"
#include "editor/CZorvEditorView.h"
#include "model/Bytes.h"
#include "model/CHCData.h"
#include "model/records/StaticTextRecord.h"
#include "oonedraw/GRepaint.h"
#include "oonedraw/GText.h"
#include "panes/PropertyPane.h"

using namespace zorv;

class CanvasLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { fixture_.reset(); }

    void alignLeftGivesOneXAndUndoesInOneStep();
    void inPlaceEditStoresTheTextAndUndoes();
    void escapeAndRefusalsKeepTheRecord();

private:
    CZorvEditorView& view() { return fixture_->app.view(); }
    CPage& page() { return *view().currentPage(); }
    QAction* action(CommandId id) { return fixture_->app.actions().action(id); }
    QWidget* keys() { return view().findChild<QWidget*>(QStringLiteral("pageKeys")); }
    QLineEdit* editor() { return view().findChild<QLineEdit*>(QStringLiteral("canvasText")); }
    QPoint pixel(int x, int y) const { return {display_.left + 2 * x, display_.top + 2 * y}; }
    void place(CommandId tool, int x, int y) {
        action(tool)->trigger();
        QTest::mouseClick(&view(), Qt::LeftButton, Qt::NoModifier, pixel(x, y));
    }
    int recordX(std::size_t index) { return le::u16(page().widgets.at(index).record.data() + 2); }
    std::string text(int lang) {
        return page().widgets.at(0).get<StaticTextRecord>().text(lang).str();
    }

    std::unique_ptr<AppFixture> fixture_;
    oonedraw::GIntRect display_;
};

void CanvasLayoutTest::init() {
    fixture_ = std::make_unique<AppFixture>();
    QVERIFY(fixture_->app.start({}, false));
    display_ = view().displayRect();
}

void CanvasLayoutTest::alignLeftGivesOneXAndUndoesInOneStep() {
    place(CommandId::WidgetStaticText, 40, 0);
    place(CommandId::WidgetKey, 12, 24);
    place(CommandId::WidgetBarGraph, 150, 10);
    // One widget selected: nothing to line up with.
    QVERIFY(!action(CommandId::EditAlignLeft)->isEnabled());
    action(CommandId::EditSelectAll)->trigger();
    QVERIFY(action(CommandId::EditAlignLeft)->isEnabled());
    QVERIFY(action(CommandId::EditDistributeAcross)->isEnabled());
    // A single bar has nothing to take its width from.
    QVERIFY(!action(CommandId::EditSameWidth)->isEnabled());
    QCOMPARE(action(CommandId::EditAlignLeft)->shortcut(), QKeySequence("Ctrl+Shift+L"));
    action(CommandId::EditAlignLeft)->trigger();
    for (std::size_t i = 0; i < 3; ++i)
        QCOMPARE(recordX(i), 12);
    // The canvas shows the records: every object's left edge is the key's.
    for (const oonedraw::GObject* object : view().canvas().children)
        QCOMPARE(int(oonedraw::BoundsOf(*object).left + view().canvas().originX), pixel(12, 0).x());
    QCOMPARE(action(CommandId::EditUndo)->text(), QStringLiteral("&Undo Align Left"));
    action(CommandId::EditUndo)->trigger();
    QCOMPARE(recordX(0), 40);
    QCOMPARE(recordX(1), 12);
    QCOMPARE(recordX(2), 150);
}

void CanvasLayoutTest::inPlaceEditStoresTheTextAndUndoes() {
    place(CommandId::WidgetStaticText, 10, 10);
    QTest::mouseDClick(&view(), Qt::LeftButton, Qt::NoModifier, pixel(14, 14));
    QVERIFY(editor() && editor()->isVisible());
    QCOMPARE(editor()->text(), QStringLiteral("TextStr"));
    QTest::keyClicks(editor(), QStringLiteral("Mixer"));
    QTest::keyClick(editor(), Qt::Key_Return);
    QVERIFY(!editor()->isVisible());
    QCOMPARE(text(0), std::string("Mixer"));
    QCOMPARE(text(1), std::string());
    // The canvas and the pane show the stored text.
    const auto* shown = dynamic_cast<const oonedraw::GText*>(view().canvas().children.at(0));
    QVERIFY(shown && shown->text.rfind("Mixer", 0) == 0);
    QCOMPARE(view().shownPane()->workingRecord(), page().widgets.at(0).record);
    action(CommandId::EditUndo)->trigger();
    QCOMPARE(text(0), std::string("TextStr"));

    // Language 2 edits its own text.
    action(CommandId::Language2)->trigger();
    QTest::mouseClick(&view(), Qt::LeftButton, Qt::NoModifier, pixel(14, 14));
    QTest::keyClick(keys(), Qt::Key_F2);
    QVERIFY(editor()->isVisible() && editor()->text().isEmpty());
    QTest::keyClicks(editor(), QStringLiteral("Pump"));
    QTest::keyClick(editor(), Qt::Key_Enter);
    QCOMPARE(text(0), std::string("TextStr"));
    QCOMPARE(text(1), std::string("Pump"));
}

void CanvasLayoutTest::escapeAndRefusalsKeepTheRecord() {
    place(CommandId::WidgetStaticText, 10, 10);
    const std::vector<uint8_t> before = page().widgets.at(0).record;
    QTest::keyClick(keys(), Qt::Key_F2);
    QTest::keyClicks(editor(), QStringLiteral("Gone"));
    QTest::keyClick(editor(), Qt::Key_Escape);
    QVERIFY(!editor()->isVisible());
    QCOMPARE(page().widgets.at(0).record, before);

    // A character the panel cannot show, and 25 bytes: named, and the typing stays to be mended.
    for (const QString& typed : {QStringLiteral("Tank \U0001F600"), QString(25, QChar('x'))}) {
        fixture_->prompt.texts.clear();
        QTest::keyClick(keys(), Qt::Key_F2);
        editor()->setText(typed);
        QTest::keyClick(editor(), Qt::Key_Return);
        QCOMPARE(fixture_->prompt.texts.size(), std::size_t(1));
        QVERIFY(editor()->isVisible());
        QCOMPARE(editor()->text(), typed);
        QCOMPARE(page().widgets.at(0).record, before);
        QTest::keyClick(editor(), Qt::Key_Escape);
    }
    // Double size allows 12 cells: a longer text is refused with the pane's message.
    StaticTextRecord doubled = page().widgets.at(0).get<StaticTextRecord>();
    doubled.setAttributes(uint8_t(doubled.attributes() | (1u << 4)));
    page().widgets.at(0).set(doubled);
    fixture_->prompt.texts.clear();
    QTest::keyClick(keys(), Qt::Key_F2);
    QTest::keyClicks(editor(), QStringLiteral("Thirteen char"));
    QTest::keyClick(editor(), Qt::Key_Return);
    QCOMPARE(fixture_->prompt.texts,
             std::vector<std::string>{"when chose double size, the string exceeds maximum "
                                      "allowed size!"});
    QCOMPARE(text(0), std::string("TextStr"));
}

QTEST_MAIN(CanvasLayoutTest)
#include "CanvasLayoutTest.moc"
