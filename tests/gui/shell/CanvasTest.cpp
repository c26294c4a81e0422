// The canvas as a user meets it, in the real main window: paint left behind by a text that runs
// past the display, a page switch, New or a deleted widget; a widget drawn late after an edit in
// its pane; hit tests, snapping and the pointer position that drift with the zoom.

#include <QComboBox>
#include <QLabel>
#include <QScrollBar>
#include <QTest>

#include "AppFixture.h"
#include "app/CMainFrame.h"
#include "commands/ActionRegistry.h"
#include "editor/CPageTree.h"
#include "editor/CZorvEditorView.h"
#include "model/Bytes.h"
#include "model/CZorvEditorDoc.h"
#include "model/records/StaticTextRecord.h"
#include "panes/PropertyPane.h"
#include "tests/gui/FieldKit.h"

using namespace zorv;

namespace {

void send(QWidget& view, QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, view.mapToGlobal(at), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(&view, &event);
}

// The pixels of the picture outside the display area.
QImage withoutDisplay(QImage picture, const CZorvEditorView& view) {
    QPainter painter(&picture);
    painter.fillRect(view.viewLayout().toWindow(QRect(
                         QPoint(view.displayRect().left, view.displayRect().top),
                         QPoint(view.displayRect().right - 1, view.displayRect().bottom - 1))),
                     Qt::magenta);
    return picture;
}

} // namespace

class CanvasTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { fixture_.reset(); }
    void paintLeavesNothingBehind();
    void paneEditsRedrawAtOnce();
    void zoomKeepsThePixelUnderThePointer_data();
    void zoomKeepsThePixelUnderThePointer();
    void zoomScrollsTheDisplayIntoView();

private:
    CZorvEditorView& view() { return fixture_->app.view(); }
    CZorvEditorDoc& document() { return fixture_->app.document(); }
    void trigger(CommandId id) { fixture_->app.actions().action(id)->trigger(); }
    // The window point in the middle of a display pixel at the view's zoom.
    QPoint windowPixel(int x, int y) {
        const oonedraw::GIntRect& d = view().displayRect();
        const ViewLayout& layout = view().viewLayout();
        return layout.toWindow(QPoint(d.left + 2 * x, d.top + 2 * y)) +
               QPoint(layout.step / 2, layout.step / 2);
    }
    void place(CommandId tool, int x, int y) {
        trigger(tool);
        QTest::mouseClick(&view(), Qt::LeftButton, Qt::NoModifier, windowPixel(x, y));
    }
    // The view as painted now equals a paint of the whole view from the same state.
    void expectFreshPaint(const char* step) {
        const QImage shown = view().picture();
        view().InvalidateArea(view().panelRect());
        QVERIFY2(shown == view().picture(), step);
    }
    void zoomTo(int step) {
        trigger(CommandId::ViewZoomActual);
        for (int s = ViewLayout::kMinStep; s < step; ++s)
            trigger(CommandId::ViewZoomIn);
        QCOMPARE(view().viewLayout().step, step);
    }

    std::unique_ptr<AppFixture> fixture_;
};

void CanvasTest::init() {
    fixture_ = std::make_unique<AppFixture>();
    QVERIFY(fixture_->app.start({}, false));
}

void CanvasTest::paintLeavesNothingBehind() {
    CHCData& project = document().project();
    project.addPage(2, PlaceMode::Insert);
    WidgetNode* text = project.pageByNumber(1)->addWidget("StaticText");
    StaticTextRecord r = text->get<StaticTextRecord>();
    r.setX(150);
    r.setY(20);
    r.setText(0, TextSlot::fromBytes("A text far too long for the display"));
    text->set(r);
    view().initialUpdate(1);
    const QImage longText = view().picture();
    expectFreshPaint("long text");

    view().pageTree()->setCurrentItem(view().pageTree()->pageItem(2));
    expectFreshPaint("page switch");
    // Nothing of the long text reached past the display.
    QCOMPARE(withoutDisplay(view().picture(), view()), withoutDisplay(longText, view()));

    trigger(CommandId::FileNew);
    expectFreshPaint("New");

    // A selected widget at the bottom edge draws its handles; deleting it takes them along.
    place(CommandId::WidgetBarGraph, 0, 60);
    QCOMPARE(view().canvas().GetSelection()->children.size(), std::size_t(1));
    QTest::keyClick(view().findChild<QWidget*>(QStringLiteral("pageKeys")), Qt::Key_Delete);
    QVERIFY(view().currentPage()->widgets.empty());
    expectFreshPaint("delete at the bottom edge");
}

void CanvasTest::paneEditsRedrawAtOnce() {
    // A key's chosen key shows before the pane is confirmed, and as confirming shows it.
    place(CommandId::WidgetKey, 10, 10);
    const QImage esc = view().picture();
    auto* keys = view().shownPane()->findChild<QComboBox*>();
    QVERIFY(keys);
    keys->setCurrentIndex(keys->findText("'F1'"));
    const QImage f1 = view().picture();
    QVERIFY(f1 != esc);
    QVERIFY(view().commitProperties());
    QCOMPARE(view().picture(), f1);

    // A bar's new size shows while it is still selected.
    place(CommandId::WidgetBarGraph, 100, 4);
    const QImage before = view().picture();
    test::typeInto(test::fieldOf(*view().shownPane(), "Wide:"), "40");
    const QImage wide = view().picture();
    QVERIFY(wide != before);
    QVERIFY(view().commitProperties());
    QCOMPARE(view().picture(), wide);
    QCOMPARE(int(le::u16(view().currentPage()->widgets.back().record.data() + 12)), 40);
}

void CanvasTest::zoomKeepsThePixelUnderThePointer_data() {
    QTest::addColumn<int>("step");
    QTest::newRow("100 %") << 2;
    QTest::newRow("200 %") << 4;
    QTest::newRow("300 %") << 6;
}

void CanvasTest::zoomKeepsThePixelUnderThePointer() {
    QFETCH(int, step);
    place(CommandId::WidgetBarGraph, 88, 8);
    QVERIFY(view().commitProperties());
    zoomTo(step);
    const oonedraw::GObject* bar = view().canvas().children.front();

    // The status bar names the display pixel under the pointer.
    send(view(), QEvent::MouseMove, windowPixel(90, 30), Qt::NoButton);
    QVERIFY(fixture_->app.frame().pointerPane()->text().endsWith("(90, 30)"));

    // A press on the pixel hits the bar; a drag of 7 and 3 pixels snaps to the nearest
    // 8-pixel text cell.
    view().canvas().ClearSelection();
    send(view(), QEvent::MouseButtonPress, windowPixel(90, 30), Qt::LeftButton);
    QCOMPARE(view().canvas().GetSelection()->children.size(), std::size_t(1));
    QCOMPARE(view().canvas().GetSelection()->children.front(), bar);
    send(view(), QEvent::MouseMove, windowPixel(97, 33), Qt::LeftButton);
    send(view(), QEvent::MouseButtonRelease, windowPixel(97, 33), Qt::NoButton);
    QVERIFY(view().commitProperties());
    const WidgetNode& node = view().currentPage()->widgets.front();
    QCOMPARE(int(le::u16(node.record.data() + 2)), 96);
    QCOMPARE(int(le::u16(node.record.data() + 4)), 8);
}

void CanvasTest::zoomScrollsTheDisplayIntoView() {
    // At 300 % the display is wider than the window: the panel scrolls, its middle in view.
    zoomTo(ViewLayout::kMaxStep);
    const ViewLayout& layout = view().viewLayout();
    QVERIFY(layout.scrollRange.width() > 0);
    QVERIFY(layout.area.contains(windowPixel(96, 32)));
    QVERIFY(!fixture_->app.actions().action(CommandId::ViewZoomIn)->isEnabled());
    auto* sideways = view().findChild<QScrollBar*>(QStringLiteral("panelSideways"));
    QVERIFY(sideways && sideways->isVisibleTo(&view()));
    sideways->setValue(0);
    QVERIFY(view().viewLayout().area.contains(windowPixel(0, 32)));
    // Back at 100 % the whole panel shows again, the tree beside it.
    trigger(CommandId::ViewZoomActual);
    QCOMPARE(view().viewLayout().scrollRange, QSize(0, 0));
    QCOMPARE(view().viewLayout().toWindow(QPoint(view().panelRect().left, 15)),
             view().viewLayout().panelAt);
    QVERIFY(view().pageTree()->geometry().right() < view().viewLayout().panelAt.x());
}

QTEST_MAIN(CanvasTest)
#include "CanvasTest.moc"
