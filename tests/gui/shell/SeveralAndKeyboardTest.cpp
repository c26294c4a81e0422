// The pane of several widgets and the keyboard on the page, through the real main window. Guards
// against a shared field set on one widget only or as one undo step per widget, a kind's rule
// skipped (a key's coil is an M bit, an address beyond 8499), a correction not named at the
// field, a move by an offset taking the widgets off the display, Tab walking past the page's
// widgets or not taking the pane along, and a widget placed by the keyboard on top of another, and
// extra window size given to the tree or docks squeezing the panes.

#include <QComboBox>
#include <QDockWidget>
#include <QSpinBox>
#include <QStatusBar>
#include <QTest>

#include "PaneViewRig.h"
#include "editor/CPageTree.h"
#include "editor/undo/EditHistory.h"
#include "model/rules/SharedFields.h"
#include "panes/CMultiProperty.h"
#include "panes/FieldHint.h"
#include "panes/ImagePaneControls.h"

using namespace zorv;

namespace {

rules::SharedValues valuesOf(const WidgetNode& node) {
    return rules::sharedValuesOf(std::span<const WidgetNode>(&node, 1));
}

} // namespace

class SeveralAndKeyboardTest : public PaneViewTest {
    Q_OBJECT
private slots:
    void init() { startEditor(); }
    void cleanup() { fixture_.reset(); }

    void registerSetOnEveryWidgetAsOneEdit();
    void moveByKeepsTheWidgetsOnTheDisplay();
    void tabWalksTheWidgetsInReadingOrder();
    void keyboardPlacesBesideTheWidgetsThere();
    void extraSizeGoesToThePanelAndThePane();

private:
    CMultiProperty* severalPane() { return qobject_cast<CMultiProperty*>(&pane()); }
    void typeInto(QWidget* field, const QString& text) {
        field->setFocus();
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }
};

void SeveralAndKeyboardTest::registerSetOnEveryWidgetAsOneEdit() {
    const int32_t ids[] = {place(CommandId::WidgetRegister, 0, 0),
                           place(CommandId::WidgetBarGraph, 60, 0),
                           place(CommandId::WidgetKey, 120, 20)};
    trigger(CommandId::EditSelectAll);
    CMultiProperty* several = severalPane();
    QVERIFY(several);
    RegisterRefFields& reg = *several->registerGroup();
    // The key's coil takes an M bit only, so M is all the three share.
    QCOMPARE(reg.type()->count(), 1);
    QCOMPARE(reg.type()->itemText(0), QStringLiteral("M"));
    QCOMPARE(reg.type()->currentIndex(), -1);

    typeInto(reg.station(), QStringLiteral("7"));
    for (int32_t id : ids)
        QCOMPARE(valuesOf(*page().findWidget(id)).station, 7);
    // The key's own rule made its coil an M bit; the others keep their D.
    QCOMPARE(valuesOf(*page().findWidget(ids[2])).type, uint8_t(RegisterType::M));
    QCOMPARE(valuesOf(*page().findWidget(ids[0])).type, uint8_t(RegisterType::D));
    QCOMPARE(view().history().undoName(), QStringLiteral("Properties"));
    view().undo();
    for (int32_t id : ids)
        QCOMPARE(valuesOf(*page().findWidget(id)).station, 1);

    // Undo leaves the three selected with their pane; an address beyond M's last is cut on each
    // and named at the field.
    several = severalPane();
    QVERIFY(several);
    RegisterRefFields& again = *several->registerGroup();
    again.type()->setCurrentIndex(0);
    emit again.type()->activated(0);
    typeInto(again.address(), QStringLiteral("9999"));
    for (int32_t id : ids) {
        const rules::SharedValues v = valuesOf(*page().findWidget(id));
        QCOMPARE(v.type, uint8_t(RegisterType::M));
        QCOMPARE(v.address, uint16_t(8499));
    }
    QCOMPARE(again.address()->text(), QStringLiteral("8499"));
    auto* hint = several->findChild<FieldHint*>(QStringLiteral("fieldHint"));
    QVERIFY(hint && hint->isVisible());
    QCOMPARE(hint->text(), QStringLiteral("A M address is at most 8499: set to 8499"));
    // Two edits, the type and the address, each taken back whole.
    view().undo();
    view().undo();
    for (int32_t id : ids)
        QCOMPARE(valuesOf(*page().findWidget(id)).address, uint16_t(0));
}

void SeveralAndKeyboardTest::moveByKeepsTheWidgetsOnTheDisplay() {
    const int32_t ids[] = {place(CommandId::WidgetLight, 0, 0),
                           place(CommandId::WidgetLight, 40, 0),
                           place(CommandId::WidgetLight, 80, 20)};
    trigger(CommandId::EditSelectAll);
    CMultiProperty* several = severalPane();
    QVERIFY(several);
    // Room to the right edge is all the display gives of 200.
    const int room = 192 - 80 - int(objectOf(ids[2])->Width()) / 2;
    typeInto(several->moveX(), QStringLiteral("200"));
    const int xs[] = {0, 40, 80};
    for (int i = 0; i < 3; ++i)
        QCOMPARE(int(le::u16(page().findWidget(ids[i])->record.data() + 2)), xs[i] + room);
    QCOMPARE(view().history().undoName(), QStringLiteral("Move"));
    auto* hint = several->findChild<FieldHint*>(QStringLiteral("fieldHint"));
    QVERIFY(hint && hint->isVisible());
    QCOMPARE(hint->text(),
             QStringLiteral("The widgets reach the edge of the display: moved by %1").arg(room));
    QCOMPARE(several->moveX()->text(), QStringLiteral("0"));
}

void SeveralAndKeyboardTest::tabWalksTheWidgetsInReadingOrder() {
    // Placed out of reading order: the lower one first.
    const int32_t low = place(CommandId::WidgetLight, 10, 40);
    const int32_t right = place(CommandId::WidgetLight, 100, 4);
    const int32_t left = place(CommandId::WidgetLight, 20, 4);
    leave(Leave::Escape);
    keys()->setFocus();
    for (int32_t id : {left, right, low}) {
        QTest::keyClick(keys(), Qt::Key_Tab);
        QCOMPARE(view().canvas().GetSelection()->children.size(), std::size_t(1));
        QCOMPARE(pane().widgetId(), id);
        QVERIFY(keys()->hasFocus());
    }
    QTest::keyClick(keys(), Qt::Key_Backtab);
    QCOMPARE(pane().widgetId(), right);
    // Past the last widget the keyboard goes on to its pane.
    QTest::keyClick(keys(), Qt::Key_Tab);
    QTest::keyClick(keys(), Qt::Key_Tab);
    QCOMPARE(pane().widgetId(), low);
    QVERIFY(pane().isAncestorOf(QApplication::focusWidget()));
}

void SeveralAndKeyboardTest::keyboardPlacesBesideTheWidgetsThere() {
    trigger(CommandId::WidgetStaticText);
    QVERIFY(keys()->hasFocus());
    QStatusBar* status = fixture_->app.frame().statusBar();
    QTRY_VERIFY(status->currentMessage().contains(QStringLiteral("Enter places")));
    QTest::keyClick(keys(), Qt::Key_Return);
    QVERIFY(status->currentMessage().isEmpty());
    QCOMPARE(page().widgets.size(), std::size_t(1));
    QCOMPARE(view().tools().currentName, std::string("select"));
    const WidgetNode first = page().widgets.back();
    QCOMPARE(le::u16(first.record.data() + 2), uint16_t(0));
    // The first cell of 8 pixels right of the text.
    const int free = (int(objectOf(first.id)->Width()) / 2 + 7) / 8 * 8;

    // The next one starts on the first free cell, right of the text, and the arrows move it
    // before Enter places it; after that they nudge the placed widget.
    trigger(CommandId::WidgetLight);
    QTest::keyClick(keys(), Qt::Key_Right);
    QTest::keyClick(keys(), Qt::Key_Down);
    QTest::keyClick(keys(), Qt::Key_Return);
    QCOMPARE(page().widgets.size(), std::size_t(2));
    const int32_t light = page().widgets.back().id;
    QCOMPARE(pane().widgetId(), light);
    const auto x = [&] { return le::u16(page().findWidget(light)->record.data() + 2); };
    const auto y = [&] { return le::u16(page().findWidget(light)->record.data() + 4); };
    QCOMPARE(x(), uint16_t(free + 4));
    QCOMPARE(y(), uint16_t(4));
    QTest::keyClick(keys(), Qt::Key_Left);
    QCOMPARE(x(), uint16_t(free + 3));
}

void SeveralAndKeyboardTest::extraSizeGoesToThePanelAndThePane() {
    // A dock below the view leaves the panes the height they need.
    auto* dock = fixture_->app.frame().findChild<QDockWidget*>();
    QVERIFY(dock);
    dock->setFloating(false);
    dock->show();
    QTest::qWait(20);
    const QRect shown = view().shownPane()->geometry();
    QVERIFY(shown.height() >= view().shownPane()->minimumSizeHint().height());
    QVERIFY(shown.bottom() < view().height());

    // A wider and taller view: the tree keeps to its width, the pane takes the rest, and once
    // there is room above the pane the panel zooms a whole step.
    view().resize(1024, 700);
    QCOMPARE(view().pageTree()->width(), 250);
    QCOMPARE(view().shownPane()->geometry(), QRect(QPoint(265, 280), QPoint(1013, 689)));
    QCOMPARE(view().viewLayout().step, 2);
    view().resize(1024, 800);
    const ViewLayout& layout = view().viewLayout();
    QCOMPARE(layout.step, 3);
    QVERIFY(view().pageTree()->width() <= 250);
    QVERIFY(view().shownPane()->geometry().top() >
            layout.toWindow(QPoint(0, view().panelRect().bottom)).y());
    QCOMPARE(view().shownPane()->geometry().bottom(), 800 - 10 - 1);
}

QTEST_MAIN(SeveralAndKeyboardTest)
#include "SeveralAndKeyboardTest.moc"
