// The editing view without the mouse: a widget tool chosen from the menu or by its shortcut puts
// a placement frame on the first free spot of the display, the arrow keys move it a text cell
// half at a time and Enter places the widget there; Tab and Shift+Tab walk the page's widgets in
// reading order, the selection and its pane following. While the display has the keyboard, a
// frame shows what the keys act on. Delete, Esc, F2 and the arrows act on the selection.

#include <QCoreApplication>
#include <QKeyEvent>
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
#include "panes/CPageProperty.h"

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

bool CZorvEditorView::eventFilter(QObject* watched, QEvent* event) {
    // The read-only field would take the clipboard, undo and select-all keys for its own text;
    // on the page they belong to the Edit menu's commands.
    if (watched == keySink_ && event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        for (QKeySequence::StandardKey k :
             {QKeySequence::Copy, QKeySequence::Cut, QKeySequence::Paste, QKeySequence::Undo,
              QKeySequence::Redo, QKeySequence::SelectAll}) {
            if (key->matches(k)) {
                event->ignore();
                return true;
            }
        }
    }
    // The read-only field has no use for these keys; taken here they do not reach the view
    // a second time as keys the field ignored.
    if (watched == keySink_ && event->type() == QEvent::KeyPress &&
        handleKey(static_cast<QKeyEvent*>(event)->key()))
        return true;
    // The frame of what the keys act on shows while the display has the keyboard.
    if (watched == keySink_ &&
        (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        update();
    return QWidget::eventFilter(watched, event);
}

void CZorvEditorView::keyPressEvent(QKeyEvent* event) {
    if (!handleKey(event->key()))
        QWidget::keyPressEvent(event);
}

bool CZorvEditorView::handleKey(int key) {
    switch (key) {
    case Qt::Key_Delete:
        deleteSelection();
        return true;
    case Qt::Key_Escape:
        escape();
        return true;
    case Qt::Key_F2:
        return editTextInPlace();
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!placing())
            return false;
        placeByKeyboard();
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        walkWidgets(key == Qt::Key_Tab);
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (placing())
            movePlaceCursor(key);
        else
            nudge(key);
        return true;
    default:
        return false;
    }
}

void CZorvEditorView::deleteSelection(const char* editName) {
    if (!firstSelected() || !currentPage_ || !project_ || pressedInDisplay_)
        return;
    // The pane's last edits reach the record first: a picture's file goes by the name it holds.
    if (!commitProperties())
        return;
    CPage after = *currentPage_;
    for (oonedraw::GObject* object : canvas_.GetSelection()->children)
        after.removeWidget(object->id);
    changePage(editName, after);
    canvas_.DeleteSelection();
    InvalidateArea(displayRect_);
    showPane(pagePane_);
    showPageProperties();
}

void CZorvEditorView::escape() {
    chooseTool("select");
    if (shown_ != pagePane_) {
        // The widget's pane keeps the position of nudges: it reaches the record first.
        if (!commitProperties())
            return;
        showPane(pagePane_);
        showPageProperties();
    }
    canvas_.Select(nullptr, oonedraw::kSelectReplace);
    InvalidateArea(displayRect_);
}

void CZorvEditorView::nudge(int key) {
    const auto members = canvas_.GetSelection()->children;
    if (members.empty() || pressedInDisplay_)
        return;
    const Nudge side = key == Qt::Key_Left    ? Nudge::Left
                       : key == Qt::Key_Right ? Nudge::Right
                       : key == Qt::Key_Up    ? Nudge::Up
                                              : Nudge::Down;
    const SelectionBox box = selectionBox();
    const std::optional<oonedraw::GPoint> step =
        nudgeStep(side, box.topLeft, Extent{box.width, box.height}, displayRect_);
    if (!step)
        return;
    for (oonedraw::GObject* object : members)
        oonedraw::ChangeAndRepaint(*object, [&] { object->Move(step->x, step->y); });
    postPosition({box.topLeft.x + step->x, box.topLeft.y + step->y});
    storePositions();
}

} // namespace zorv
