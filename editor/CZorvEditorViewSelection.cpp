// The editing view's selection of several widgets: Shift or Ctrl and a click, the rubber band,
// Select All, and the box the selected widgets span, which drags and nudges keep inside the
// display.

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <algorithm>

#include "commands/ActionRegistry.h"
#include "editor/CZorvEditorView.h"
#include "model/CHCData.h"
#include "oonedraw/GRepaint.h"
#include "panes/CPageProperty.h"
#include "panes/PropertyPane.h"

namespace zorv {

void CZorvEditorView::takeSelectionCommands() {
    services_.actions.handle(CommandId::EditSelectAll, this, [this] { selectAll(); });
}

CZorvEditorView::SelectionBox CZorvEditorView::selectionBox() {
    const auto& members = canvas_.GetSelection()->children;
    if (members.empty())
        return {};
    double left = 1e9, top = 1e9, right = -1e9, bottom = -1e9;
    for (const oonedraw::GObject* object : members) {
        const oonedraw::GPoint p = viewTopLeft(*object);
        left = std::min(left, p.x);
        top = std::min(top, p.y);
        right = std::max(right, p.x + object->Width());
        bottom = std::max(bottom, p.y + object->Height());
    }
    return {{left, top}, int32_t(right - left), int32_t(bottom - top)};
}

void CZorvEditorView::showSelectionPane() {
    if (!currentPage_ || showSeveralPane())
        return;
    const auto& members = canvas_.GetSelection()->children;
    if (members.size() == 1) {
        oonedraw::GObject* object = members.front();
        PropertyPane* pane = paneFor(object->name);
        if (auto record = currentPage_->widgetRecord(object->id, object->name)) {
            pane->loadRecord(*record, object->id);
            showPane(pane);
            return;
        }
    }
    // No widget: the page's pane.
    showPane(pagePane_);
    showPageProperties();
}

void CZorvEditorView::selectAll() {
    if (!currentPage_ || pressedInDisplay_ || !commitProperties())
        return;
    for (oonedraw::GObject* object : canvas_.children)
        canvas_.Select(object, oonedraw::kSelectAdd);
    showSelectionPane();
    InvalidateArea(displayRect_);
}

oonedraw::GObject* CZorvEditorView::objectAt(QPoint at) {
    const oonedraw::GPoint p{at.x() - canvas_.originX, at.y() - canvas_.originY};
    for (auto it = canvas_.children.rbegin(); it != canvas_.children.rend(); ++it) {
        const oonedraw::GRect r = oonedraw::BoundsOf(**it);
        if (p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom)
            return *it;
    }
    return nullptr;
}

bool CZorvEditorView::toggleAt(QPoint at) {
    oonedraw::GObject* object = objectAt(at);
    if (!object)
        return false;
    if (shown_)
        storePane(*shown_);
    if (object->has(oonedraw::kSelected))
        canvas_.Unselect(object);
    else
        canvas_.Select(object, oonedraw::kSelectAdd);
    showSelectionPane();
    InvalidateArea(displayRect_);
    return true;
}

QRect CZorvEditorView::bandRect() const {
    return QRect(bandStart_, bandEnd_).normalized();
}

void CZorvEditorView::selectInBand() {
    const QRect band = bandRect().translated(-int(canvas_.originX), -int(canvas_.originY));
    const oonedraw::GRect area{double(band.left()), double(band.top()), double(band.right() + 1),
                               double(band.bottom() + 1)};
    for (oonedraw::GObject* object : canvas_.children)
        if (oonedraw::BoundsOf(*object).intersects(area))
            canvas_.Select(object, oonedraw::kSelectAdd);
    if (shown_)
        storePane(*shown_);
    showSelectionPane();
    InvalidateArea(displayRect_);
}

void CZorvEditorView::drawFrames(QPainter& painter) {
    for (const QRect& frame : {banding_ ? bandRect() : QRect(), dragFrame_}) {
        if (frame.isNull())
            continue;
        painter.setBrush(Qt::NoBrush);
        // One window pixel wide at every zoom.
        painter.setPen(QPen(Qt::black, 0));
        painter.drawRect(frame.adjusted(0, 0, -1, -1));
        painter.setPen(QPen(Qt::white, 0, Qt::DashLine));
        painter.drawRect(frame.adjusted(0, 0, -1, -1));
    }
}

void CZorvEditorView::focusPane() {
    if (!shown_)
        return;
    // The first field that takes the keyboard, in the pane's tab order.
    for (QWidget* field : shown_->findChildren<QWidget*>()) {
        if ((field->focusPolicy() & Qt::TabFocus) && field->isEnabled() && field->isVisible()) {
            field->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    shown_->setFocus();
}

// On a widget: Cut, Copy, Paste, Delete and Properties; on an empty point of the page: Paste,
// Select All and the page's properties.
void CZorvEditorView::contextMenuEvent(QContextMenuEvent* event) {
    const QPoint at = viewPointOf(event->pos());
    if (!currentPage_ || !displayRect_.contains(at.x(), at.y()) || pressedInDisplay_ ||
        !commitProperties())
        return;
    oonedraw::GObject* object = objectAt(at);
    if (object && !object->has(oonedraw::kSelected)) {
        storePane(*shown_);
        canvas_.Select(object, oonedraw::kSelectReplace);
        showSelectionPane();
        InvalidateArea(displayRect_);
    }
    QMenu menu(this);
    ActionRegistry& actions = services_.actions;
    if (object) {
        for (CommandId id :
             {CommandId::EditCut, CommandId::EditCopy, CommandId::EditPaste, CommandId::EditDelete})
            menu.addAction(actions.action(id));
        menu.addSeparator();
        menu.addAction(tr("P&roperties"), this, [this] { focusPane(); });
    } else {
        menu.addAction(actions.action(CommandId::EditPaste));
        menu.addAction(actions.action(CommandId::EditSelectAll));
        menu.addSeparator();
        menu.addAction(tr("Page P&roperties"), this, [this] {
            if (!commitProperties())
                return;
            canvas_.Select(nullptr, oonedraw::kSelectReplace);
            showSelectionPane();
            InvalidateArea(displayRect_);
            focusPane();
        });
    }
    if (popup_)
        popup_(menu, event->globalPos());
    else
        menu.exec(event->globalPos());
}

} // namespace zorv
