// The editing view's painting: the backing image with the panel, the display, the grid and
// the page (or the panel's own pixels), and the feedback of the tools drawn into it.
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

constexpr uint32_t kGreyDisplay = 0x808080;

} // namespace

void CZorvEditorView::InvalidateArea(const oonedraw::GIntRect& area) {
    // Every change of the selection repaints its handles.
    updateLayoutActions();
    const QRect r = QRect(QPoint(area.left, area.top), QPoint(area.right - 1, area.bottom - 1))
                        .intersected(panelArea());
    if (r.isEmpty())
        return;
    dirty_ += r;
    update(layout_.toWindow(r).adjusted(-1, -1, 1, 1));
}

// The backing image holds the panel in view units; every painter on it works in view units.
void CZorvEditorView::beginOnBacking(QPainter& painter) {
    painter.begin(&backing_);
    painter.translate(-panelRect_.left, -panelRect_.top);
}

void CZorvEditorView::drawScene(QPainter& painter) {
    painter.fillRect(panelArea(), palette().window());
    painter.drawImage(QPoint(panelRect_.left, panelRect_.top), panelPicture_);
    drawContext_.setPainter(&painter);
    drawContext_.SetPen({1, 0x000000, 0});
    drawContext_.SetBrush({0, kGreyDisplay, 0});
    drawContext_.Rectangle(displayRect_);
    if (gridOn_)
        for (int j = 0; j < displayRect_.bottom - displayRect_.top; j += 16)
            for (int i = 0; i < displayRect_.right - displayRect_.left; i += 16)
                drawContext_.Pixel(displayRect_.left + i, displayRect_.top + j, 0x000000);
    // Nothing of the page reaches past the display: a long text is cut at its edge.
    painter.save();
    painter.setClipRect(displayArea(), Qt::IntersectClip);
    painter.translate(canvas_.originX, canvas_.originY);
    canvas_.SetDrawingContext(&drawContext_);
    canvas_.Draw();
    painter.restore();
    drawContext_.setPainter(nullptr);
    if (panelImage_) {
        painter.save();
        painter.setClipRect(displayArea(), Qt::IntersectClip);
        drawPanelPixels(painter);
        painter.restore();
    }
}

void CZorvEditorView::drawPanelPixels(QPainter& painter) {
    const std::optional<int> index =
        currentPage_ ? panelImage_->pageOfNumber(currentPage_->number()) : std::nullopt;
    if (!index)
        return;
    const panel::PanelPicture shown =
        panel::renderPage(*panelImage_, *index, language_, panel::PanelRegisters{});
    // Two view units a display pixel, never smoothed.
    painter.drawImage(QPoint(displayRect_.left, displayRect_.top), panel::pictureImage(shown, 2));
    // The selection stays visible over the panel's pixels.
    painter.save();
    painter.setPen(QPen(QColor(0, 120, 215), 1, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    for (oonedraw::GObject* object : canvas_.children) {
        if (!object->has(oonedraw::kSelected))
            continue;
        const oonedraw::GPoint topLeft = viewTopLeft(*object);
        painter.drawRect(QRectF(topLeft.x, topLeft.y, object->Width() - 1, object->Height() - 1));
    }
    painter.restore();
}

void CZorvEditorView::setPanelImage(std::shared_ptr<const panel::PanelImage> image) {
    panelImage_ = std::move(image);
    InvalidateArea(displayRect_);
}

void CZorvEditorView::renderDirty() {
    if (dirty_.isEmpty())
        return;
    endFeedback();
    QPainter painter;
    beginOnBacking(painter);
    painter.setClipRegion(dirty_);
    dirty_ = QRegion();
    drawScene(painter);
}

oonedraw::GDrawContext* CZorvEditorView::ClientContext() {
    renderDirty();
    if (!feedbackPainter_.isActive()) {
        beginOnBacking(feedbackPainter_);
        feedbackPainter_.setClipRect(displayArea());
        feedbackContext_.setPainter(&feedbackPainter_);
    }
    return &feedbackContext_;
}

void CZorvEditorView::endFeedback() {
    if (!feedbackPainter_.isActive())
        return;
    feedbackContext_.setPainter(nullptr);
    feedbackPainter_.end();
    update();
}

void CZorvEditorView::drawPanelArea(QPainter& painter, const QRect& area) {
    painter.fillRect(area, palette().window());
    painter.save();
    painter.setClipRect(layout_.area.intersected(area));
    // Whole window pixels a view unit pair: no smoothing, so display pixels stay sharp.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(layout_.toWindow(panelArea()), backing_);
    painter.restore();
}

void CZorvEditorView::paintEvent(QPaintEvent* event) {
    endFeedback();
    renderDirty();
    QPainter painter(this);
    drawPanelArea(painter, event->rect());
    painter.setClipRect(layout_.area);
    painter.translate(layout_.panelAt);
    painter.scale(layout_.step / 2.0, layout_.step / 2.0);
    painter.translate(-panelRect_.left, -panelRect_.top);
    drawFrames(painter);
    drawGuides(painter);
    drawKeyboardFocus(painter);
}

// The lines a drag snapped to, across the whole display, one window pixel wide.
void CZorvEditorView::drawGuides(QPainter& painter) {
    if (!guides_.x && !guides_.y)
        return;
    painter.setPen(QPen(QColor(255, 0, 255), 0));
    const QRect d = displayArea();
    if (guides_.x) {
        const int x = d.left() + 2 * *guides_.x;
        painter.drawLine(x, d.top(), x, d.bottom());
    }
    if (guides_.y) {
        const int y = d.top() + 2 * *guides_.y;
        painter.drawLine(d.left(), y, d.right(), y);
    }
}

QImage CZorvEditorView::picture() {
    // A hidden view learns its size only when shown.
    if (layout_.window != size())
        layoutChildren();
    endFeedback();
    renderDirty();
    QImage shown(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    QPainter painter(&shown);
    drawPanelArea(painter, shown.rect());
    return shown;
}

} // namespace zorv
