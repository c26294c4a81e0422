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
    const QRect r = QRect(QPoint(area.left, area.top), QPoint(area.right - 1, area.bottom - 1));
    dirty_ += r.intersected(backing_.rect());
    update(r);
}

void CZorvEditorView::drawScene(QPainter& painter) {
    painter.fillRect(backing_.rect(), palette().window());
    painter.drawImage(QPoint(panelRect_.left, panelRect_.top), panelPicture_);
    drawContext_.setPainter(&painter);
    drawContext_.SetPen({1, 0x000000, 0});
    drawContext_.SetBrush({0, kGreyDisplay, 0});
    drawContext_.Rectangle(displayRect_);
    if (gridOn_)
        for (int j = 0; j < displayRect_.bottom - displayRect_.top; j += 16)
            for (int i = 0; i < displayRect_.right - displayRect_.left; i += 16)
                drawContext_.Pixel(displayRect_.left + i, displayRect_.top + j, 0x000000);
    painter.save();
    painter.translate(canvas_.originX, canvas_.originY);
    canvas_.SetDrawingContext(&drawContext_);
    canvas_.Draw();
    painter.restore();
    drawContext_.setPainter(nullptr);
    if (panelImage_)
        drawPanelPixels(painter);
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
    QPainter painter(&backing_);
    painter.setClipRegion(dirty_);
    dirty_ = QRegion();
    drawScene(painter);
}

oonedraw::GDrawContext* CZorvEditorView::ClientContext() {
    renderDirty();
    if (!feedbackPainter_.isActive()) {
        feedbackPainter_.begin(&backing_);
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

void CZorvEditorView::paintEvent(QPaintEvent* event) {
    endFeedback();
    renderDirty();
    QPainter painter(this);
    painter.drawImage(event->rect(), backing_, event->rect());
    drawFrames(painter);
}

QImage CZorvEditorView::picture() {
    endFeedback();
    renderDirty();
    return backing_.copy();
}

} // namespace zorv
