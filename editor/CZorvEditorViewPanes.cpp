// The editing view's property panes: their context, which one shows, and how their records reach
// the page and the canvas.

#include "editor/CZorvEditorView.h"
#include "model/CZorvEditorDoc.h"
#include "model/PagePropertiesRecord.h"
#include "model/widgets/WidgetSync.h"
#include "oonedraw/GRepaint.h"
#include "panes/CPageProperty.h"
#include "platform/Prompt.h"
#include <algorithm>

namespace zorv {

namespace {

// Bytes 2..5 of every widget record are its position on the display.
bool onlyPositionDiffers(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
    return a.size() == b.size() && a.size() >= 6 &&
           std::equal(a.begin(), a.begin() + 2, b.begin()) &&
           std::equal(a.begin() + 6, a.end(), b.begin() + 6);
}

} // namespace

void CZorvEditorView::updatePaneContext() {
    PaneContext context;
    context.prompt = &services_.prompt;
    context.files = &services_.files;
    context.paths = &services_.paths;
    context.project = project_;
    context.tags = &services_.document.tags();
    context.projectFolder = projectFolder();
    context.language = language_;
    if (project_) {
        context.passwordLevels = project_->header.passwordLevels();
        context.registerSettingControl = project_->header.flag(1u << 2);
    }
    for (PropertyPane* pane : panes_)
        pane->setContext(context);
}

void CZorvEditorView::showPageProperties() {
    if (!currentPage_ || !pagePane_)
        return;
    pagePane_->hide();
    pagePane_->loadRecord(pagePropertiesBytes(currentPage_->properties()), 0);
    if (shown_ == pagePane_)
        pagePane_->show();
}

void CZorvEditorView::showPane(PropertyPane* pane) {
    if (shown_ && shown_ != pane)
        shown_->hide();
    shown_ = pane;
    if (shown_) {
        paneBaseline_ = shown_->workingRecord();
        shown_->setGeometry(layout_.pane);
        shown_->show();
    }
}

// The pane's record goes to the widget (or page) the pane was loaded with, so that a record can
// never reach a widget of another kind.
void CZorvEditorView::storePane(PropertyPane& pane) {
    if (!currentPage_)
        return;
    const std::vector<uint8_t> record = pane.workingRecord();
    CPage after = *currentPage_;
    if (&pane == pagePane_) {
        if (auto properties = pagePropertiesFrom(record)) {
            after.setProperties(*properties);
            changePage("Page Properties", after);
        }
        return;
    }
    const std::string typeName = pane.typeName().toStdString();
    const std::optional<std::vector<uint8_t>> stored =
        currentPage_->widgetRecord(pane.widgetId(), typeName);
    if (!stored)
        return;
    // A pane that tidies a record as it loads it makes no edit until something is changed in it.
    if (record == paneBaseline_ || *stored == record)
        return;
    after.setWidgetRecord(pane.widgetId(), typeName, record);
    changePage(onlyPositionDiffers(*stored, record) ? "Move" : "Properties", after);
    // What is stored now is the pane's new starting point: a later edit back to the record as
    // first shown is an edit too.
    paneBaseline_ = record;
    // The widget's object on the canvas follows its record at once.
    if (const WidgetNode* node = currentPage_->findWidget(pane.widgetId()))
        showOnCanvas(*node);
}

void CZorvEditorView::showOnCanvas(const WidgetNode& node) {
    for (oonedraw::GObject* object : canvas_.children) {
        if (object->id != node.id || !applyNode(*object, node, language_, WidgetBitmaps::shared()))
            continue;
        if (auto* rect = dynamic_cast<oonedraw::GRectangle*>(object))
            rect->FitToContent();
        // The whole panel, not only the display: a text made shorter or a bar made narrower
        // leaves nothing of its old extent or its handles behind, even past the display's edge.
        InvalidateArea(panelRect_);
    }
}

bool CZorvEditorView::commitProperties() {
    if (!currentPage_ || !shown_)
        return true;
    if (!shown_->apply())
        return false;
    storePane(*shown_);
    return true;
}

PropertyPane* CZorvEditorView::paneFor(std::string_view name) const {
    for (PropertyPane* pane : panes_)
        if (pane->typeName().toStdString() == name)
            return pane;
    return pagePane_;
}

} // namespace zorv
