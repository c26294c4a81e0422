// The editing view's pane of several selected widgets: loaded with their records and the box they
// span, and what it sets on all of them stored as one edit.

#include "editor/CZorvEditorView.h"
#include "model/CHCData.h"
#include "model/EditorViewRules.h"
#include "panes/CMultiProperty.h"

namespace zorv {

void CZorvEditorView::createSeveralPane() {
    multiPane_ = new CMultiProperty(this);
    multiPane_->hide();
    connect(multiPane_, &CMultiProperty::recordsApplied, this, &CZorvEditorView::storeSeveral);
    panes_.push_back(multiPane_);
}

bool CZorvEditorView::showSeveralPane() {
    const auto& members = canvas_.GetSelection()->children;
    if (!currentPage_ || members.size() < 2)
        return false;
    std::vector<WidgetNode> nodes;
    for (const oonedraw::GObject* object : members)
        if (const WidgetNode* node = currentPage_->findWidget(object->id))
            nodes.push_back(*node);
    const SelectionBox box = selectionBox();
    const oonedraw::GPoint corner = displayPixelOf(box.topLeft, displayRect_);
    multiPane_->load(std::move(nodes),
                     {int(corner.x), int(corner.y), (box.width + 1) / 2, (box.height + 1) / 2});
    showPane(multiPane_);
    return true;
}

void CZorvEditorView::storeSeveral() {
    if (!currentPage_ || shown_ != multiPane_)
        return;
    CPage after = *currentPage_;
    for (const WidgetNode& node : multiPane_->nodes())
        if (WidgetNode* stored = after.findWidget(node.id); stored && stored->kind == node.kind)
            stored->record = node.record;
    if (!changePage(multiPane_->editName(), after))
        return;
    for (const WidgetNode& node : multiPane_->nodes())
        if (const WidgetNode* stored = currentPage_->findWidget(node.id))
            showOnCanvas(*stored);
}

} // namespace zorv
