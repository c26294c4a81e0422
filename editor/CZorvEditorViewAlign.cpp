// The editing view's layout commands: the selected widgets aligned, spaced out or sized alike
// as one edit, and the commands enabled while the selection is large enough for them.

#include <QAction>

#include "commands/ActionRegistry.h"
#include "editor/AlignCommands.h"
#include "editor/CZorvEditorView.h"
#include "model/CHCData.h"
#include "model/WidgetKind.h"
#include "panes/PropertyPane.h"

namespace zorv {

namespace {

struct LayoutCommand {
    CommandId id;
    Arrange how;
    const char* editName; // what Undo and Redo name
};
constexpr LayoutCommand kLayoutCommands[] = {
    {CommandId::EditAlignLeft, Arrange::Left, "Align Left"},
    {CommandId::EditAlignRight, Arrange::Right, "Align Right"},
    {CommandId::EditAlignTop, Arrange::Top, "Align Top"},
    {CommandId::EditAlignBottom, Arrange::Bottom, "Align Bottom"},
    {CommandId::EditAlignCentres, Arrange::Centres, "Align Centres"},
    {CommandId::EditAlignMiddles, Arrange::Middles, "Align Middles"},
    {CommandId::EditDistributeAcross, Arrange::Across, "Distribute Across"},
    {CommandId::EditDistributeDown, Arrange::Down, "Distribute Down"},
    {CommandId::EditSameWidth, Arrange::SameWidth, "Same Width"},
    {CommandId::EditSameHeight, Arrange::SameHeight, "Same Height"},
};

} // namespace

void CZorvEditorView::takeLayoutCommands() {
    for (const LayoutCommand& command : kLayoutCommands)
        services_.actions.handle(command.id, this, [this, &command] {
            arrangeSelection(command.how, command.editName);
        });
    updateLayoutActions();
}

std::vector<LayoutBox> CZorvEditorView::selectedBoxes() {
    std::vector<LayoutBox> boxes;
    if (!currentPage_)
        return boxes;
    for (const oonedraw::GObject* object : canvas_.GetSelection()->children)
        if (const WidgetNode* node = currentPage_->findWidget(object->id))
            boxes.push_back(layoutBoxOf(*object, node->kind));
    return boxes;
}

void CZorvEditorView::updateLayoutActions() {
    const std::vector<LayoutBox> boxes = selectedBoxes();
    for (const LayoutCommand& command : kLayoutCommands)
        services_.actions.action(command.id)->setEnabled(canArrange(command.how, boxes));
}

void CZorvEditorView::arrangeSelection(Arrange how, const char* editName) {
    // The pane's last edits (a typed position) reach the record first.
    if (!currentPage_ || pressedInDisplay_ || !commitProperties())
        return;
    const std::vector<oonedraw::GObject*> members = canvas_.GetSelection()->children;
    const std::vector<LayoutBox> before = selectedBoxes();
    if (before.size() != members.size() || !canArrange(how, before))
        return;
    const std::vector<LayoutBox> after = arranged(how, before);
    CPage changed = *currentPage_;
    for (std::size_t i = 0; i < members.size(); ++i)
        if (WidgetNode* node = changed.findWidget(members[i]->id))
            storeLayoutBox(*node, before[i], after[i]);
    if (!changePage(editName, changed))
        return;
    for (const oonedraw::GObject* object : members)
        if (const WidgetNode* node = currentPage_->findWidget(object->id))
            showOnCanvas(*node);
    // The pane shows the records as they are now.
    showSelectionPane();
    InvalidateArea(displayRect_);
}

} // namespace zorv
