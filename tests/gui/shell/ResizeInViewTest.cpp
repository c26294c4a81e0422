// Resizing and snapping with the mouse in the real main window: guards against a handle drag
// that leaves the record or the pane behind the canvas, takes more than one undo, breaks the
// pane's size rules, a drag that misses another widget's line (or snaps with Alt held), and the
// handles of a text that promise a resize.

#include <QTest>

#include "AppFixture.h"
#include "app/CMainFrame.h"
#include "commands/ActionRegistry.h"
#include "editor/CZorvEditorView.h"
#include "editor/undo/EditHistory.h"
#include "model/CZorvEditorDoc.h"
#include "model/records/BarRecord.h"
#include "panes/PropertyPane.h"
#include "tests/gui/FieldKit.h"

using namespace zorv;

class ResizeInViewTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { fixture_.reset(); }
    void handleDragWidensABarAndOneUndoRestoresIt();
    void dragsLineUpWithOtherWidgetsUnlessAltIsHeld();
    void textHandlesMoveTheText();

private:
    CZorvEditorView& view() { return fixture_->app.view(); }
    CPage& page() { return *view().currentPage(); }
    void trigger(CommandId id) { fixture_->app.actions().action(id)->trigger(); }
    // The window point of a display pixel's top-left corner (100 %).
    QPoint pixel(int x, int y) {
        const oonedraw::GIntRect& d = view().displayRect();
        return view().viewLayout().toWindow(QPoint(d.left + 2 * x, d.top + 2 * y));
    }
    void place(CommandId tool, int x, int y) {
        trigger(tool);
        QTest::mouseClick(&view(), Qt::LeftButton, Qt::NoModifier, pixel(x, y));
    }
    void send(QEvent::Type type, QPoint at, Qt::KeyboardModifiers keys = Qt::NoModifier) {
        const bool move = type == QEvent::MouseMove;
        QMouseEvent event(type, at, view().mapToGlobal(at), move ? Qt::NoButton : Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, keys);
        QCoreApplication::sendEvent(&view(), &event);
    }
    void drag(QPoint from, QPoint to, Qt::KeyboardModifiers keys = Qt::NoModifier) {
        send(QEvent::MouseButtonPress, from, keys);
        send(QEvent::MouseMove, to, keys);
        send(QEvent::MouseButtonRelease, to, keys);
    }
    BarRecord bar(std::size_t index) { return page().widgets.at(index).get<BarRecord>(); }

    std::unique_ptr<AppFixture> fixture_;
};

void ResizeInViewTest::init() {
    fixture_ = std::make_unique<AppFixture>();
    QVERIFY(fixture_->app.start({}, false));
}

void ResizeInViewTest::handleDragWidensABarAndOneUndoRestoresIt() {
    place(CommandId::WidgetBarGraph, 40, 8); // 16 x 48, selected
    const std::vector<uint8_t> placed = page().widgets.front().record;
    const int undoable = view().history().size();

    // The bottom-right handle, 39 pixels right: the right edge snaps to the cell at 80.
    const QPoint corner = pixel(56, 56);
    send(QEvent::MouseMove, corner);
    QCOMPARE(view().cursor().shape(), Qt::SizeFDiagCursor);
    send(QEvent::MouseButtonPress, corner);
    send(QEvent::MouseMove, corner + QPoint(2 * 23, 0));
    // The pane follows while the button is still down.
    QLineEdit* wide = test::namedField(*view().shownPane(), QStringLiteral("Wide"));
    QVERIFY(wide);
    QCOMPARE(wide->text(), QStringLiteral("40"));
    send(QEvent::MouseButtonRelease, corner + QPoint(2 * 23, 0));
    QCOMPARE(bar(0).width(), uint16_t(40));
    QCOMPARE(bar(0).height(), uint16_t(48));
    QCOMPARE(bar(0).x(), uint16_t(40));
    QCOMPARE(view().canvas().children.front()->Width(), 80.0);
    QCOMPARE(view().history().size(), undoable + 1);
    // Leaving the pane makes no second edit of what the drag stored.
    QVERIFY(view().commitProperties());
    QCOMPARE(view().history().size(), undoable + 1);

    view().undo();
    QCOMPARE(page().widgets.front().record, placed);
    QCOMPARE(view().canvas().children.front()->Width(), 32.0);

    // The top-left handle dragged past the right edge: the bar keeps its right edge and the
    // smallest width; the bottom-right one past the display's corner stops at its edges.
    view().canvas().Select(view().canvas().children.front(), oonedraw::kSelectReplace);
    drag(pixel(40, 8), pixel(100, 20), Qt::AltModifier);
    QCOMPARE(bar(0).x(), uint16_t(40));
    QCOMPARE(bar(0).width(), uint16_t(16));
    QCOMPARE(bar(0).y(), uint16_t(20));
    QCOMPARE(bar(0).height(), uint16_t(36));
    drag(pixel(56, 56), pixel(250, 90), Qt::AltModifier);
    QCOMPARE(bar(0).width(), uint16_t(192 - 40));
    QCOMPARE(bar(0).height(), uint16_t(64 - 20));
}

void ResizeInViewTest::dragsLineUpWithOtherWidgetsUnlessAltIsHeld() {
    place(CommandId::WidgetBarGraph, 100, 4);
    place(CommandId::WidgetBarGraph, 20, 0); // selected
    // Its left edge dragged to 2 pixels left of the other bar's: caught by that line, with a
    // guide drawn along it while the button is down.
    const QPoint grab = pixel(28, 20);
    send(QEvent::MouseButtonPress, grab);
    send(QEvent::MouseMove, grab + QPoint(2 * 78, 2 * 12));
    const QImage shown = view().grab().toImage();
    const QPoint guide = pixel(100, 40) + QPoint(0, 1);
    QCOMPARE(shown.pixelColor(guide), QColor(255, 0, 255));
    send(QEvent::MouseButtonRelease, grab + QPoint(2 * 78, 2 * 12));
    QCOMPARE(bar(1).x(), uint16_t(100));
    QCOMPARE(bar(1).y(), uint16_t(8)); // no line near: the cell grid
    QVERIFY(view().grab().toImage().pixelColor(guide) != QColor(255, 0, 255));

    // With Alt the bar lands where the pointer puts it.
    drag(pixel(108, 20), pixel(111, 23), Qt::AltModifier);
    QCOMPARE(bar(1).x(), uint16_t(103));
    QCOMPARE(bar(1).y(), uint16_t(11));
}

void ResizeInViewTest::textHandlesMoveTheText() {
    place(CommandId::WidgetStaticText, 40, 16);
    const std::vector<uint8_t> placed = page().widgets.front().record;
    oonedraw::GObject* text = view().canvas().children.front();
    const QPoint corner =
        view().viewLayout().toWindow(QPoint(int(text->points[2].x + view().canvas().originX),
                                            int(text->points[2].y + view().canvas().originY)));
    send(QEvent::MouseMove, corner + QPoint(1, 1));
    QCOMPARE(view().cursor().shape(), Qt::SizeAllCursor);
    drag(corner + QPoint(1, 1), corner + QPoint(2 * 16 + 1, 1));
    QVERIFY(view().commitProperties());
    const WidgetNode& moved = page().widgets.front();
    QCOMPARE(le::u16(moved.record.data() + 2), uint16_t(56));
    QCOMPARE(le::u16(moved.record.data() + 4), uint16_t(16));
    // Nothing but the position changed.
    QVERIFY(std::equal(placed.begin() + 6, placed.end(), moved.record.begin() + 6));
}

QTEST_MAIN(ResizeInViewTest)
#include "ResizeInViewTest.moc"
