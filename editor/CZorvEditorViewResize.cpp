// The editing view's resizing: a corner handle of a selected bar graph or trend chart dragged
// sets its size as its pane would (the pane following), one undo step a drag; the handles of the
// other kinds move the widget like its body. Lines of the other widgets and the text cell grid
// catch the dragged corner unless Alt is held.

#include <QMouseEvent>
#include <cmath>

#include "editor/CZorvEditorView.h"
#include "model/CPage.h"
#include "model/widgets/WidgetSync.h"
#include "panes/CPageProperty.h"

namespace zorv {

namespace {

// The handles the canvas draws: 6 x 6 units from 3 left of and above each vertex.
constexpr int kHandleReach = 3;

int floorHalf(int units) {
    return units >= 0 ? units / 2 : -((-units + 1) / 2);
}

} // namespace

DisplayBox CZorvEditorView::displayBoxOf(const oonedraw::GObject& object) const {
    const oonedraw::GPoint p = viewTopLeft(object);
    return {floorHalf(int(std::floor(p.x)) - displayRect_.left),
            floorHalf(int(std::floor(p.y)) - displayRect_.top), int(std::ceil(object.Width() / 2)),
            int(std::ceil(object.Height() / 2))};
}

std::vector<DisplayBox> CZorvEditorView::snapTargets() const {
    std::vector<DisplayBox> boxes;
    for (const oonedraw::GObject* object : canvas_.children)
        if (!object->has(oonedraw::kSelected) && !object->has(oonedraw::kHidden))
            boxes.push_back(displayBoxOf(*object));
    return boxes;
}

std::optional<CZorvEditorView::HandleHit> CZorvEditorView::handleAt(QPoint at) {
    const auto& members = canvas_.GetSelection()->children;
    for (auto it = members.rbegin(); it != members.rend(); ++it) {
        oonedraw::GObject* object = *it;
        for (std::size_t i = 0; i < object->points.size(); ++i) {
            const int x = int(object->points[i].x + canvas_.originX);
            const int y = int(object->points[i].y + canvas_.originY);
            if (at.x() < x - kHandleReach || at.x() >= x + kHandleReach ||
                at.y() < y - kHandleReach || at.y() >= y + kHandleReach)
                continue;
            const bool sized =
                hasSize(kindFromTypeName(object->name)) && object->points.size() == 4;
            return HandleHit{object, Corner(sized ? int(i) : 0), sized};
        }
    }
    return std::nullopt;
}

void CZorvEditorView::updateCursor(QPoint at) {
    const bool inDisplay = displayRect_.contains(at.x(), at.y());
    if (currentToolName() != "select" || !inDisplay) {
        if (inDisplay)
            setCursor(Qt::CrossCursor);
        else
            unsetCursor();
        return;
    }
    if (const std::optional<HandleHit> hit = handleAt(at); hit && hit->sized) {
        const bool falling = hit->corner == Corner::TopLeft || hit->corner == Corner::BottomRight;
        setCursor(falling ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor);
    } else if (hit || (objectAt(at) && objectAt(at)->has(oonedraw::kSelected))) {
        setCursor(Qt::SizeAllCursor);
    } else {
        unsetCursor();
    }
}

bool CZorvEditorView::beginResize(const HandleHit& hit, QPoint at) {
    const int32_t id = hit.object->id;
    if (canvas_.GetSelection()->children.size() > 1) {
        // The widget whose handle is dragged is resized alone, with its pane shown.
        if (shown_)
            storePane(*shown_);
        canvas_.Select(hit.object, oonedraw::kSelectReplace);
        showSelectionPane();
        InvalidateArea(displayRect_);
    } else if (!commitProperties()) {
        return false;
    }
    const WidgetNode* node = currentPage_ ? currentPage_->findWidget(id) : nullptr;
    if (!node || !hasSize(node->kind))
        return false;
    const oonedraw::GPoint corner = hit.object->points[std::size_t(hit.corner)];
    resize_ =
        ResizeDrag{id,
                   node->kind,
                   hit.corner,
                   displayBoxOf(*hit.object),
                   node->record,
                   node->record,
                   at - QPoint(int(corner.x + canvas_.originX), int(corner.y + canvas_.originY))};
    return true;
}

void CZorvEditorView::dragResize(QPoint at, bool snap) {
    if (!resize_ || !currentPage_)
        return;
    ResizeDrag& drag = *resize_;
    const QPoint corner = at - drag.grab;
    // The display line nearest to the corner.
    int x = floorHalf(corner.x() - displayRect_.left + 1);
    int y = floorHalf(corner.y() - displayRect_.top + 1);
    guides_ = {};
    if (snap) {
        const SnappedPoint snapped = snapCorner(x, y, snapTargets());
        x = snapped.x;
        y = snapped.y;
        guides_ = snapped.guides;
    }
    const std::optional<Resized> resized =
        resizeByCorner(drag.kind, drag.before, drag.start, drag.corner, x, y);
    if (!resized)
        return;
    // A guide stays only where the bounded edge still lies on it.
    const bool left = drag.corner == Corner::TopLeft || drag.corner == Corner::BottomLeft;
    const bool top = drag.corner == Corner::TopLeft || drag.corner == Corner::TopRight;
    if (guides_.x != (left ? resized->box.x : resized->box.right()))
        guides_.x.reset();
    if (guides_.y != (top ? resized->box.y : resized->box.bottom()))
        guides_.y.reset();
    update();
    if (resized->record == drag.shown)
        return;
    drag.shown = resized->record;
    showOnCanvas(WidgetNode{drag.id, drag.kind, drag.shown});
    if (shown_ && shown_ != pagePane_ && shown_->widgetId() == drag.id) {
        shown_->loadRecord(drag.shown, drag.id);
        paneBaseline_ = shown_->workingRecord();
    }
}

void CZorvEditorView::endResize(QPoint at, bool snap) {
    dragResize(at, snap);
    guides_ = {};
    update();
    if (!resize_ || !currentPage_)
        return;
    const ResizeDrag drag = std::move(*resize_);
    resize_.reset();
    if (drag.shown == drag.before)
        return;
    CPage after = *currentPage_;
    if (WidgetNode* node = after.findWidget(drag.id)) {
        node->record = drag.shown;
        changePage("Resize", after);
    }
}

} // namespace zorv
