#pragma once
// The editor started in its active main window, and how the tests of the property panes drive its
// view as a user does: placing a widget with its tool, selecting it by a click, leaving its pane
// by a click or Esc, and reading back the stored record and the canvas object.

#include <QApplication>
#include <QLineEdit>
#include <QObject>
#include <QPoint>
#include <QTest>
#include <memory>

#include "AppFixture.h"
#include "app/CMainFrame.h"
#include "commands/ActionRegistry.h"
#include "commands/CommandId.h"
#include "editor/CZorvEditorView.h"
#include "model/Bytes.h"
#include "model/CZorvEditorDoc.h"
#include "panes/CPageProperty.h"
#include "panes/PropertyPane.h"

namespace zorv {

// A spot of the display that no widget of the pane tests covers.
inline constexpr QPoint kEmptySpot(150, 62);

class PaneViewTest : public QObject {
protected:
    // Starts the editor on a new project in the active window (Enter reaches a pane's shortcuts
    // only there); the test's init calls it.
    void startEditor();

    CZorvEditorView& view() { return fixture_->app.view(); }
    CZorvEditorDoc& document() { return fixture_->app.document(); }
    CPage& page() { return *view().currentPage(); }
    PropertyPane& pane() { return *view().shownPane(); }
    QWidget* keys() { return view().findChild<QWidget*>(QStringLiteral("pageKeys")); }
    void trigger(CommandId id) { fixture_->app.actions().action(id)->trigger(); }

    // A display pixel as a point of the view.
    QPoint pixel(int x, int y) const;
    // Places a widget with its tool at the display pixel; its id. The document starts over
    // unmodified, so that what follows alone decides the mark.
    int32_t place(CommandId tool, int x, int y);
    // Selects the widget by a click on it.
    void select(int32_t id);
    // Leaves the widget's pane as the user does: a click on an empty spot, Esc with the display
    // focused, or Esc in the pane's field that has the focus.
    enum class Leave { Click, Escape, EscapeInPane };
    void leave(Leave how = Leave::Click);
    template <class R> R stored(int32_t id) { return page().findWidget(id)->get<R>(); }
    oonedraw::GObject* objectOf(int32_t id);

    std::unique_ptr<AppFixture> fixture_;

private:
    oonedraw::GIntRect display_;
};

inline void PaneViewTest::startEditor() {
    fixture_ = std::make_unique<AppFixture>();
    QVERIFY(fixture_->app.start({}, false));
    fixture_->app.frame().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&fixture_->app.frame()));
    display_ = view().displayRect();
}

inline QPoint PaneViewTest::pixel(int x, int y) const {
    return {display_.left + 2 * x, display_.top + 2 * y};
}

inline int32_t PaneViewTest::place(CommandId tool, int x, int y) {
    trigger(tool);
    const std::size_t before = page().widgets.size();
    QTest::mouseClick(&view(), Qt::LeftButton, Qt::NoModifier, pixel(x, y));
    if (page().widgets.size() != before + 1)
        return 0;
    document().setModified(false);
    return page().widgets.back().id;
}

inline void PaneViewTest::select(int32_t id) {
    const WidgetNode* node = page().findWidget(id);
    QVERIFY(node);
    QTest::mouseClick(
        &view(), Qt::LeftButton, Qt::NoModifier,
        pixel(le::u16(node->record.data() + 2) + 1, le::u16(node->record.data() + 4) + 1));
    QCOMPARE(pane().widgetId(), id);
}

inline void PaneViewTest::leave(Leave how) {
    if (how == Leave::Escape)
        QTest::keyClick(keys(), Qt::Key_Escape);
    else if (how == Leave::EscapeInPane)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    else
        QTest::mouseClick(&view(), Qt::LeftButton, Qt::NoModifier,
                          pixel(kEmptySpot.x(), kEmptySpot.y()));
    QCOMPARE(view().shownPane(), static_cast<PropertyPane*>(view().pagePane()));
}

inline oonedraw::GObject* PaneViewTest::objectOf(int32_t id) {
    for (oonedraw::GObject* object : view().canvas().children)
        if (object->id == id)
            return object;
    return nullptr;
}

} // namespace zorv
