// The editing view's pointer: selecting, placing and dragging widgets.
#include "editor/CZorvEditorView.h"

#include "commands/ActionRegistry.h"
#include "commands/CommandTable.h"
#include "editor/CPageTree.h"
#include "editor/ProjectCommands.h"
#include "image/GlyphFiles.h"
#include "model/Bytes.h"
#include "model/CZorvEditorDoc.h"
#include "model/EditorViewRules.h"
#include "model/FileOps.h"
#include "model/PagePropertiesRecord.h"
#include "model/PictureFiles.h"
#include "model/widgets/CanvasPlacement.h"
#include "model/widgets/PageTools.h"
#include "model/widgets/WidgetBitmaps.h"
#include "model/widgets/WidgetSync.h"
#include "model/widgets/WidgetTexts.h"
#include "oonedraw/GCreateTool.h"
#include "oonedraw/GRepaint.h"
#include "oonedraw/GText.h"
#include "panel/PanelImage.h"
#include "panel/PanelRenderer.h"
#include "panel/ui/PanelPictureImage.h"
#include "panes/CPageProperty.h"
#include "panes/PaneFactory.h"
#include "platform/CodePageText.h"
#include "platform/Paths.h"
#include "platform/Prompt.h"
#include "platform/qt/FileChooser.h"
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>
#include <algorithm>

namespace zorv {

namespace {

bool inside(const oonedraw::GIntRect& r, QPoint p) {
    return r.contains(p.x(), p.y());
}

uint32_t keysOf(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    uint32_t keys = 0;
    if (buttons & Qt::LeftButton)
        keys |= oonedraw::kLeftButton;
    if (modifiers & Qt::ControlModifier)
        keys |= oonedraw::kCtrlKey;
    return keys;
}

} // namespace

oonedraw::GObject* CZorvEditorView::firstSelected() {
    const auto& members = canvas_.GetSelection()->children;
    return members.empty() ? nullptr : members.front();
}

CZorvEditorView::SelectionKey CZorvEditorView::selectionKey() {
    if (oonedraw::GObject* object = firstSelected())
        return {object->id, object->name};
    return {};
}

oonedraw::GPoint CZorvEditorView::viewTopLeft(const oonedraw::GObject& object) const {
    oonedraw::GPoint p;
    object.TopLeft(p);
    return {p.x + canvas_.originX, p.y + canvas_.originY};
}

void CZorvEditorView::postPosition(oonedraw::GPoint viewTopLeft) {
    const oonedraw::GPoint pixel = displayPixelOf(viewTopLeft, displayRect_);
    if (shown_)
        shown_->setPosition(int(pixel.x), int(pixel.y));
}

void CZorvEditorView::mousePressEvent(QMouseEvent* event) {
    const QPoint at = viewPointOf(event->position().toPoint());
    if (event->button() == Qt::RightButton) {
        // A pending placement ends.
        chooseTool("select");
        QWidget::mousePressEvent(event);
        return;
    }
    extendKey_ = event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier);
    if (event->button() == Qt::LeftButton && inside(displayRect_, at) && currentPage_)
        leftPress(at, keysOf(event->buttons(), event->modifiers()));
    endFeedback();
    QWidget::mousePressEvent(event);
}

void CZorvEditorView::leftPress(QPoint at, uint32_t keys) {
    // A press in the display leaves the pane as Enter would; a pane that refuses stays, with its
    // widget selected.
    if (shown_ && !shown_->apply())
        return;
    if (currentToolName() == "select" && extendKey_ && toggleAt(at)) {
        keySink_->setFocus();
        return;
    }
    if (const std::optional<HandleHit> hit =
            currentToolName() == "select" ? handleAt(at) : std::nullopt) {
        if (hit->sized) {
            pressedInDisplay_ = beginResize(*hit, at);
            keySink_->setFocus();
            return;
        }
        // The handles of a kind without a size take the press as the widget itself does.
        const oonedraw::GRect r = oonedraw::BoundsOf(*hit->object);
        at = QPoint(
            std::clamp(at.x(), int(r.left + canvas_.originX), int(r.right + canvas_.originX) - 1),
            std::clamp(at.y(), int(r.top + canvas_.originY), int(r.bottom + canvas_.originY) - 1));
    }
    const SelectionKey previous = selectionKey();
    oonedraw::GPoint point{double(at.x()), double(at.y())};
    const std::string tool = currentToolName();
    if (tool != "select")
        if (const std::optional<Extent> extent = toolExtent())
            point = shiftInward(point, *extent, displayRect_);
    downPoint_ = point;
    if (oonedraw::GTool* current = tools_.Current())
        current->OnButtonDown({point.x, point.y, keys});
    keySink_->setFocus();
    const SelectionKey now = selectionKey();
    if (firstSelected()) {
        const oonedraw::GPoint topLeft = selectionBox().topLeft;
        grabOffset_ = QPoint(at.x() - int(topLeft.x), at.y() - int(topLeft.y));
    } else if (tool == "select") {
        banding_ = true;
        bandStart_ = bandEnd_ = at;
    }
    if (now.id != previous.id) {
        if (shown_)
            storePane(*shown_);
        showSelectionPane();
    }
    pressedInDisplay_ = true;
}

oonedraw::GPoint CZorvEditorView::dragTopLeft(QPoint pointer, bool snap) {
    const SelectionBox box = selectionBox();
    const Extent size{box.width, box.height};
    // Whole display pixels on the display first, then onto the lines that catch it.
    const oonedraw::GPoint free = snappedTopLeft(pointer.x(), pointer.y(), grabOffset_.x(),
                                                 grabOffset_.y(), size, displayRect_, 1);
    guides_ = {};
    if (!snap)
        return free;
    const SnappedMove moved =
        snapMove({int(free.x - displayRect_.left) / 2, int(free.y - displayRect_.top) / 2,
                  (box.width + 1) / 2, (box.height + 1) / 2},
                 snapTargets());
    guides_ = moved.guides;
    return {double(displayRect_.left + 2 * moved.box.x),
            double(displayRect_.top + 2 * moved.box.y)};
}

void CZorvEditorView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = viewPointOf(event->position().toPoint());
    QString position = QString::asprintf("%4d,%4d", at.x(), at.y());
    if (inside(displayRect_, at)) {
        const oonedraw::GPoint pixel =
            displayPixelOf({double(at.x()), double(at.y())}, displayRect_);
        position += QString::asprintf("  (%d, %d)", int(pixel.x), int(pixel.y));
    }
    emit pointerTextChanged(position);
    if (!pressedInDisplay_)
        updateCursor(at);
    const uint32_t keys = keysOf(event->buttons(), event->modifiers());
    const bool snap = !(event->modifiers() & Qt::AltModifier);
    if (pressedInDisplay_ && resize_ && (keys & oonedraw::kLeftButton)) {
        dragResize(at, snap);
        QWidget::mouseMoveEvent(event);
        return;
    }
    if (pressedInDisplay_ && banding_ && (keys & oonedraw::kLeftButton)) {
        bandEnd_ = QPoint(std::clamp(at.x(), displayRect_.left, displayRect_.right - 1),
                          std::clamp(at.y(), displayRect_.top, displayRect_.bottom - 1));
        update();
    }
    if (pressedInDisplay_ && firstSelected() && (keys & oonedraw::kLeftButton) &&
        currentToolName() == "select") {
        moved_ = true;
        const oonedraw::GPoint topLeft = dragTopLeft(at, snap);
        const SelectionBox box = selectionBox();
        dragFrame_ = QRect(int(topLeft.x), int(topLeft.y), box.width, box.height);
        update();
        postPosition(topLeft);
        if (oonedraw::GTool* tool = tools_.Current())
            tool->OnMouseMove({topLeft.x + grabOffset_.x(), topLeft.y + grabOffset_.y(), keys});
        endFeedback();
    }
    QWidget::mouseMoveEvent(event);
}

// A double click on a widget with the select tool edits a static text on the canvas, and gives
// the pane of any other widget the keyboard.
void CZorvEditorView::mouseDoubleClickEvent(QMouseEvent* event) {
    QWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton && currentToolName() == "select" &&
        objectAt(viewPointOf(event->position().toPoint())) && firstSelected() && !editTextInPlace())
        focusPane();
}

void CZorvEditorView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && pressedInDisplay_) {
        pressedInDisplay_ = false;
        leftRelease(viewPointOf(event->position().toPoint()),
                    keysOf(event->buttons() | Qt::LeftButton, event->modifiers()) &
                        ~uint32_t(oonedraw::kLeftButton),
                    !(event->modifiers() & Qt::AltModifier));
        endFeedback();
    }
    QWidget::mouseReleaseEvent(event);
}

void CZorvEditorView::leftRelease(QPoint at, uint32_t keys, bool snap) {
    if (resize_) {
        endResize(at, snap);
        return;
    }
    oonedraw::GTool* tool = tools_.Current();
    dragFrame_ = QRect();
    if (banding_) {
        banding_ = false;
        if (tool)
            tool->OnButtonUp({double(at.x()), double(at.y()), keys});
        selectInBand();
        update();
        return;
    }
    if (moved_) {
        const oonedraw::GPoint topLeft = dragTopLeft(at, snap);
        guides_ = {};
        postPosition(topLeft);
        if (tool)
            tool->OnButtonUp({topLeft.x + grabOffset_.x(), topLeft.y + grabOffset_.y(), keys});
        moved_ = false;
        storePositions();
    } else if (currentToolName() != "select") {
        placeWidget(keys);
    } else if (tool && inside(displayRect_, at)) {
        tool->OnButtonUp({double(at.x()), double(at.y()), keys});
    }
}

void CZorvEditorView::placeWidget(uint32_t keys) {
    if (!currentPage_)
        return;
    const std::string name = currentToolName();
    if (!commitProperties())
        return;
    if (shown_)
        shown_->hide();
    const std::size_t count = canvas_.children.size();
    if (oonedraw::GTool* tool = tools_.Current())
        tool->OnButtonUp({downPoint_.x, downPoint_.y, keys});
    CPage after = *currentPage_;
    WidgetNode* node = canvas_.children.size() > count ? after.addWidget(name) : nullptr;
    if (!node) {
        showPane(shown_);
        return;
    }
    oonedraw::GObject* object = canvas_.children.back();
    object->id = node->id;
    const oonedraw::GPoint pixel = displayPixelOf(downPoint_, displayRect_);
    le::putU16(node->record.data() + 2, uint16_t(pixel.x));
    le::putU16(node->record.data() + 4, uint16_t(pixel.y));
    std::optional<MonochromeBitmap> bitmap;
    if (node->kind == WidgetKind::Picture) {
        bitmap = loadMonochromeBitmap(picturePath(projectFolder(), pictureName_));
        PictureRecord record = node->get<PictureRecord>();
        if (bitmap)
            fillPictureRecord(record, *bitmap, pictureName_);
        else
            record.setPictureName(pictureName_);
        node->set(record);
    }
    PropertyPane* pane = paneFor(name);
    pane->loadRecord(node->record, node->id);
    if (bitmap)
        pane->setPictureSize(bitmap->width, bitmap->height);
    // The new widget is stored as its pane completes it (a light's symbol text, say), as leaving
    // the pane would store it.
    if (std::vector<uint8_t> completed = pane->workingRecord();
        completed.size() == node->record.size())
        node->record = std::move(completed);
    changePage("Place Widget", after);
    applyNode(*object, *node, language_, WidgetBitmaps::shared());
    if (auto* rect = dynamic_cast<oonedraw::GRectangle*>(object))
        rect->FitToContent();
    canvas_.Select(object, oonedraw::kSelectReplace);
    canvas_.Invalidate(oonedraw::BoundsOf(*object));
    pane->setPosition(int(pixel.x), int(pixel.y));
    showPane(pane);
    if (!(keys & oonedraw::kCtrlKey))
        chooseTool("select");
}

} // namespace zorv
