// Several widgets at once and the clipboard, through the real main window: guards against a
// rubber band that takes one widget only, Shift/Ctrl clicks that replace the selection, a group
// moved out of the display, a paste that reuses ids, lands on an occupied place or leaves the
// picture file behind in the other project, and a clipboard of other data that enables Paste.

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QSet>
#include <QTest>

#include "AppFixture.h"
#include "ScriptedPageDialogs.h"
#include "editor/CZorvEditorView.h"
#include "editor/WidgetClipboard.h"
#include "model/Bytes.h"
#include "model/CZorvEditorDoc.h"
#include "model/PictureFiles.h"
#include "model/records/PictureRecord.h"
#include "oonedraw/GRepaint.h"
#include "panes/CPageProperty.h"
#include "panes/PropertyPane.h"
#include "tests/TestBitmaps.h"

using namespace zorv;
namespace fs = std::filesystem;

namespace {

int recordX(const WidgetNode& node) {
    return le::u16(node.record.data() + 2);
}
int recordY(const WidgetNode& node) {
    return le::u16(node.record.data() + 4);
}

} // namespace

class MultiEditTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { fixture_.reset(); }

    void rubberBandTakesEveryWidgetItTouches();
    void shiftAndCtrlClickAddAndRemove();
    void selectAllAndMoveTheGroupInsideTheDisplay();
    void copyIntoAnotherProjectTakesThePicture();
    void pasteOntoTheSamePlaceSteps();
    void foreignClipboardLeavesPasteDisabled();
    void contextMenus();

private:
    CZorvEditorView& view() { return fixture_->app.view(); }
    CPage& page() { return *view().currentPage(); }
    QWidget* keys() { return view().findChild<QWidget*>(QStringLiteral("pageKeys")); }
    void trigger(CommandId id) { fixture_->app.actions().action(id)->trigger(); }
    QPoint pixel(int x, int y) const { return {display_.left + 2 * x, display_.top + 2 * y}; }
    void place(CommandId tool, int x, int y) {
        trigger(tool);
        QTest::mouseClick(&view(), Qt::LeftButton, Qt::NoModifier, pixel(x, y));
    }
    std::size_t selected() { return view().canvas().GetSelection()->children.size(); }
    void threeWidgets() {
        place(CommandId::WidgetKey, 10, 10);
        place(CommandId::WidgetKey, 60, 10);
        place(CommandId::WidgetKey, 120, 40);
    }

    std::unique_ptr<AppFixture> fixture_;
    oonedraw::GIntRect display_;
};

void MultiEditTest::init() {
    fixture_ = std::make_unique<AppFixture>();
    QVERIFY(fixture_->app.start({}, false));
    display_ = view().displayRect();
    QGuiApplication::clipboard()->clear();
}

void MultiEditTest::rubberBandTakesEveryWidgetItTouches() {
    threeWidgets();
    QTest::mousePress(&view(), Qt::LeftButton, Qt::NoModifier, pixel(2, 2));
    QMouseEvent move(QEvent::MouseMove, pixel(80, 20), pixel(80, 20), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(&view(), &move);
    // The band is drawn while it is dragged: black and white both show within it.
    const QImage shown = view().grab().toImage();
    QSet<QRgb> edge;
    for (int x = pixel(2, 2).x(); x < pixel(80, 2).x(); ++x)
        edge.insert(shown.pixel(x, pixel(2, 2).y()) & 0xFFFFFF);
    QVERIFY(edge.contains(0x000000) && edge.contains(0xFFFFFF));
    QTest::mouseRelease(&view(), Qt::LeftButton, Qt::NoModifier, pixel(80, 20));
    QCOMPARE(selected(), std::size_t(2));
    // The pane of what the two share.
    QCOMPARE(view().shownPane()->typeName(), QStringLiteral("Several"));
}

void MultiEditTest::shiftAndCtrlClickAddAndRemove() {
    threeWidgets();
    QTest::mouseClick(&view(), Qt::LeftButton, Qt::NoModifier, pixel(12, 12));
    QCOMPARE(selected(), std::size_t(1));
    QTest::mouseClick(&view(), Qt::LeftButton, Qt::ShiftModifier, pixel(62, 12));
    QCOMPARE(selected(), std::size_t(2));
    QTest::mouseClick(&view(), Qt::LeftButton, Qt::ControlModifier, pixel(122, 42));
    QCOMPARE(selected(), std::size_t(3));
    QTest::mouseClick(&view(), Qt::LeftButton, Qt::ControlModifier, pixel(62, 12));
    QCOMPARE(selected(), std::size_t(2));
    QTest::keyClick(keys(), Qt::Key_Delete);
    QCOMPARE(page().widgetCount(), 1);
    trigger(CommandId::EditUndo);
    QCOMPARE(page().widgetCount(), 3);
    QCOMPARE(selected(), std::size_t(2));
}

void MultiEditTest::selectAllAndMoveTheGroupInsideTheDisplay() {
    threeWidgets();
    QTest::mouseClick(&view(), Qt::LeftButton, Qt::NoModifier, pixel(150, 60));
    QCOMPARE(fixture_->app.actions().action(CommandId::EditSelectAll)->shortcut(),
             QKeySequence(QStringLiteral("Ctrl+A")));
    trigger(CommandId::EditSelectAll);
    QCOMPARE(selected(), std::size_t(3));
    for (int i = 0; i < 40; ++i)
        QTest::keyClick(keys(), Qt::Key_Left);
    // The leftmost stops at the edge, the others keep their distance to it.
    QCOMPARE(recordX(page().widgets[0]), 0);
    QCOMPARE(recordX(page().widgets[1]) - recordX(page().widgets[0]), 50);
    // A drag far beyond the bottom right keeps the whole group inside.
    QTest::mousePress(&view(), Qt::LeftButton, Qt::NoModifier, pixel(2, 12));
    QMouseEvent move(QEvent::MouseMove, QPoint(display_.right + 200, display_.bottom + 200),
                     QPoint(), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&view(), &move);
    QTest::mouseRelease(&view(), Qt::LeftButton, Qt::NoModifier,
                        QPoint(display_.right - 1, display_.bottom - 1));
    for (const oonedraw::GObject* object : view().canvas().children) {
        const oonedraw::GRect r = oonedraw::BoundsOf(*object);
        QVERIFY(r.left + view().canvas().originX >= display_.left);
        QVERIFY(r.right + view().canvas().originX <= display_.right + 1);
        QVERIFY(r.bottom + view().canvas().originY <= display_.bottom + 1);
    }
    QCOMPARE(fixture_->app.actions().action(CommandId::EditUndo)->text(),
             QStringLiteral("&Undo Move"));
}

void MultiEditTest::copyIntoAnotherProjectTakesThePicture() {
    const fs::path source = fs::path(fixture_->work.path().toStdString()) / "logo.bmp";
    test::writeBmp(source, 16, 8, 1);
    fixture_->files.answers = {QString::fromStdString(source)};
    trigger(CommandId::WidgetPicture);
    QTest::mouseClick(&view(), Qt::LeftButton, Qt::NoModifier, pixel(20, 20));
    const WidgetNode original = page().widgets.front();
    trigger(CommandId::EditCopy);
    QVERIFY(fixture_->app.actions().action(CommandId::EditPaste)->isEnabled());

    // A second editor over another project, on its page 2 with a widget of its own.
    AppFixture other;
    QVERIFY(other.app.start({}, false));
    ScriptedPageDialogs dialogs;
    dialogs.answer = PageChoice{2, PlaceMode::Insert, {}};
    other.app.view().setPageDialogs(&dialogs);
    other.app.actions().action(CommandId::PageNew)->trigger();
    other.app.actions().action(CommandId::WidgetKey)->trigger();
    QTest::mouseClick(&other.app.view(), Qt::LeftButton, Qt::NoModifier, pixel(0, 0));
    other.app.actions().action(CommandId::EditPaste)->trigger();
    CPage& target = *other.app.view().currentPage();
    QCOMPARE(int(target.number()), 2);
    QCOMPARE(target.widgetCount(), 2);
    const WidgetNode& pasted = target.widgets.back();
    QVERIFY(pasted.id != target.widgets.front().id);
    QCOMPARE(recordX(pasted), recordX(original));
    QCOMPARE(recordY(pasted), recordY(original));
    QCOMPARE(pasted.record, original.record);
    const std::string name = pasted.get<PictureRecord>().pictureName();
    QVERIFY(other.app.view().projectFolder() != view().projectFolder());
    QVERIFY(fs::exists(picturePath(other.app.view().projectFolder(), name)));
    // Paste is an edit like any other.
    other.app.actions().action(CommandId::EditUndo)->trigger();
    QCOMPARE(other.app.view().currentPage()->widgetCount(), 1);
}

void MultiEditTest::pasteOntoTheSamePlaceSteps() {
    place(CommandId::WidgetKey, 10, 10);
    trigger(CommandId::EditCopy);
    trigger(CommandId::EditPaste);
    QCOMPARE(page().widgetCount(), 2);
    QVERIFY(page().widgets[1].id != page().widgets[0].id);
    QCOMPARE(recordX(page().widgets[1]), 10 + CZorvEditorView::kSnapStep);
    QCOMPARE(recordY(page().widgets[1]), 10 + CZorvEditorView::kSnapStep);
    // Cut takes the pasted one, which is selected after the paste.
    trigger(CommandId::EditCut);
    QCOMPARE(page().widgetCount(), 1);
    QCOMPARE(fixture_->app.actions().action(CommandId::EditUndo)->text(),
             QStringLiteral("&Undo Cut"));
}

void MultiEditTest::foreignClipboardLeavesPasteDisabled() {
    QAction* paste = fixture_->app.actions().action(CommandId::EditPaste);
    QGuiApplication::clipboard()->setText(QStringLiteral("text"));
    QVERIFY(!paste->isEnabled());
    // Bytes under the widgets' type that are no widget stream paste nothing.
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(kWidgetsMimeType), QByteArray("\x01\x00\x05", 3));
    QGuiApplication::clipboard()->setMimeData(data);
    paste->trigger();
    QCOMPARE(page().widgetCount(), 0);
    QVERIFY(!widgetsOnClipboard());
}

void MultiEditTest::contextMenus() {
    place(CommandId::WidgetKey, 10, 10);
    QStringList entries;
    view().setPopupRunner([&](QMenu& menu, const QPoint&) {
        entries.clear();
        for (QAction* a : menu.actions())
            entries << (a->isSeparator() ? QStringLiteral("-") : a->text());
    });
    QContextMenuEvent onWidget(QContextMenuEvent::Mouse, pixel(12, 12));
    QCoreApplication::sendEvent(&view(), &onWidget);
    QCOMPARE(entries, (QStringList{"Cu&t", "&Copy", "&Paste", "&Delete", "-", "P&roperties"}));
    QContextMenuEvent onPage(QContextMenuEvent::Mouse, pixel(150, 50));
    QCoreApplication::sendEvent(&view(), &onPage);
    QCOMPARE(entries, (QStringList{"&Paste", "Select &All", "-", "Page P&roperties"}));
}

QTEST_MAIN(MultiEditTest)
#include "MultiEditTest.moc"
