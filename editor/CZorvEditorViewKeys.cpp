// The editing view without the mouse: a widget tool chosen from the menu or by its shortcut puts
// a placement frame on the first free spot of the display, the arrow keys move it a text cell
// half at a time and Enter places the widget there; Tab and Shift+Tab walk the page's widgets in
// reading order, the selection and its pane following. While the display has the keyboard, a
// frame shows what the keys act on.

#include <QCoreApplication>
#include <QLineEdit>
#include <QPainter>
#include <QPen>
#include <QStatusTipEvent>
#include <QTimer>
#include <algorithm>

#include "editor/CPageTree.h"
#include "editor/CZorvEditorView.h"
#include "editor/FreeSpot.h"
#include "model/CHCData.h"
#include "model/EditorViewRules.h"
#include "model/PictureFiles.h"
#include "oonedraw/GRepaint.h"

namespace zorv {

std::optional<Extent> CZorvEditorView::toolExtent() {
    const std::string tool = currentToolName();
    Extent picture;
    if (tool == "Picture")
        if (auto bitmap = loadMonochromeBitmap(picturePath(projectFolder(), pictureName_)))
            picture = {bitmap->width, bitmap->height};
    return placementExtent(tool, picture);
}

void CZorvEditorView::beginKeyboardPlacement() {
    const std::optional<Extent> extent = toolExtent();
    if (!extent || !currentPage_)
        return;
    std::vector<DisplayBox> taken;
    for (const oonedraw::GObject* object : canvas_.children)
        if (!object->has(oonedraw::kHidden))
            taken.push_back(displayBoxOf(*object));
    const DisplayBox spot = firstFreeSpot((extent->width + 1) / 2, (extent->height + 1) / 2, taken);
    placeCursor_ = QPoint(displayRect_.left + 2 * spot.x, displayRect_.top + 2 * spot.y);
    keySink_->setFocus(Qt::ShortcutFocusReason);
    update();
    // After the menu that chose the tool has closed and taken its own prompt away.
    QTimer::singleShot(0, this, [this] {
        if (placing())
            sayInStatusBar(tr("Arrow keys move the frame, Enter places the widget there, Esc "
                              "cancels"));
    });
}

void CZorvEditorView::endKeyboardPlacement() {
    if (!placeCursor_)
        return;
    placeCursor_.reset();
    sayInStatusBar(QString());
    update();
}

void CZorvEditorView::sayInStatusBar(const QString& text) {
    QStatusTipEvent tip(text);
    QCoreApplication::sendEvent(this, &tip);
}

bool CZorvEditorView::placing() const {
    return placeCursor_ && currentToolName() != "select";
}

void CZorvEditorView::movePlaceCursor(int key) {
    const std::optional<Extent> extent = toolExtent();
    if (!extent)
        return;
    const int step = 2 * kSnapStep;
    QPoint at = *placeCursor_;
    at += key == Qt::Key_Left    ? QPoint(-step, 0)
          : key == Qt::Key_Right ? QPoint(step, 0)
          : key == Qt::Key_Up    ? QPoint(0, -step)
                                 : QPoint(0, step);
    at.setX(std::clamp(at.x(), displayRect_.left, displayRect_.right - extent->width));
    at.setY(std::clamp(at.y(), displayRect_.top, displayRect_.bottom - extent->height));
    placeCursor_ = at;
    update();
}

// A press and a release at the placement frame's corner, as the pointer places a widget.
void CZorvEditorView::placeByKeyboard() {
    const QPoint at = *placeCursor_;
    leftPress(at, 0);
    if (!pressedInDisplay_)
        return;
    pressedInDisplay_ = false;
    leftRelease(at, 0, true);
    endFeedback();
    endKeyboardPlacement();
    keySink_->setFocus(Qt::OtherFocusReason);
}

void CZorvEditorView::walkWidgets(bool forward) {
    if (!currentPage_ || pressedInDisplay_ || !commitProperties())
        return;
    std::vector<oonedraw::GObject*> order;
    for (oonedraw::GObject* object : canvas_.children)
        if (!object->has(oonedraw::kHidden))
            order.push_back(object);
    std::stable_sort(order.begin(), order.end(), [this](const auto* a, const auto* b) {
        const oonedraw::GPoint pa = viewTopLeft(*a), pb = viewTopLeft(*b);
        return pa.y != pb.y ? pa.y < pb.y : pa.x < pb.x;
    });
    const auto at = std::find(order.begin(), order.end(), firstSelected());
    const std::ptrdiff_t index = at - order.begin();
    const std::ptrdiff_t next = at == order.end() ? (forward ? 0 : std::ptrdiff_t(order.size()) - 1)
                                : forward         ? index + 1
                                                  : index - 1;
    // Past the last widget the keyboard goes on to the pane, before the first back to the tree.
    if (next < 0 || next >= std::ptrdiff_t(order.size())) {
        if (forward)
            focusPane();
        else
            tree_->setFocus(Qt::BacktabFocusReason);
        return;
    }
    if (shown_)
        storePane(*shown_);
    canvas_.Select(order[std::size_t(next)], oonedraw::kSelectReplace);
    showSelectionPane();
    InvalidateArea(displayRect_);
    update();
}

void CZorvEditorView::drawKeyboardFocus(QPainter& painter) {
    if (!keySink_->hasFocus() || pressedInDisplay_)
        return;
    QRect frame;
    const std::optional<Extent> extent = placing() ? toolExtent() : std::nullopt;
    if (extent) {
        frame = QRect(*placeCursor_, QSize(extent->width, extent->height));
    } else if (firstSelected()) {
        const SelectionBox box = selectionBox();
        frame = QRect(int(box.topLeft.x), int(box.topLeft.y), box.width, box.height)
                    .adjusted(-5, -5, 5, 5);
    } else {
        frame = displayArea().adjusted(-3, -3, 3, 3);
    }
    painter.setBrush(Qt::NoBrush);
    QPen pen(QColor(0, 90, 255), 2, Qt::DashLine);
    pen.setCosmetic(true); // two window pixels at every zoom
    painter.setPen(pen);
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
}

} // namespace zorv
