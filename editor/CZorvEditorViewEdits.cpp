// The editing view's undo history: Undo and Redo, and the edits of the shown page as commands.

#include <QAction>
#include <algorithm>

#include "commands/ActionRegistry.h"
#include "editor/CPageTree.h"
#include "editor/CZorvEditorView.h"
#include "editor/undo/ChangePageCmd.h"
#include "editor/undo/EditHistory.h"
#include "model/Bytes.h"
#include "model/CHCData.h"
#include "model/EditorViewRules.h"
#include "panes/CMultiProperty.h"
#include "panes/CPageProperty.h"

namespace zorv {

void CZorvEditorView::takeEditCommands() {
    history_ = new EditHistory(services_.document, this);
    ActionRegistry& actions = services_.actions;
    actions.handle(CommandId::EditUndo, this, [this] { undo(); });
    actions.handle(CommandId::EditRedo, this, [this] { redo(); });
    connect(history_, &EditHistory::changed, this, &CZorvEditorView::updateEditActions);
    updateEditActions();
}

void CZorvEditorView::updateEditActions() {
    QAction* undoAction = services_.actions.action(CommandId::EditUndo);
    undoAction->setEnabled(history_->canUndo());
    undoAction->setText(history_->canUndo() ? tr("&Undo %1").arg(history_->undoName())
                                            : tr("&Undo"));
    QAction* redoAction = services_.actions.action(CommandId::EditRedo);
    redoAction->setEnabled(history_->canRedo());
    redoAction->setText(history_->canRedo() ? tr("&Redo %1").arg(history_->redoName())
                                            : tr("&Redo"));
}

bool CZorvEditorView::pushEdit(std::unique_ptr<ProjectEdit> edit) {
    return history_->push(std::move(edit));
}

bool CZorvEditorView::pushAndShowEdit(std::unique_ptr<ProjectEdit> edit) {
    const EditPlace place = edit->place(true);
    if (!pushEdit(std::move(edit)))
        return false;
    showEdit(place);
    return true;
}

void CZorvEditorView::undo() {
    stepHistory(false);
}

void CZorvEditorView::redo() {
    stepHistory(true);
}

void CZorvEditorView::stepHistory(bool forward) {
    // A drag under way holds the canvas's objects: the edit waits for the release.
    if (!project_ || pressedInDisplay_ || !commitProperties())
        return;
    if (const ProjectEdit* edit = forward ? history_->redo() : history_->undo()) {
        showEdit(edit->place(forward));
        history_->settle();
    }
}

void CZorvEditorView::showEdit(const EditPlace& place) {
    endFeedback();
    // The panes hold records of before the edit: the page is shown afresh without storing them.
    pageShown_ = false;
    canvas_.ClearAll();
    currentPage_ = nullptr;
    if (shown_)
        shown_->hide();
    shown_ = pagePane_;
    if (project_->pageCount() == 0)
        return;
    refreshProjectContext();
    const CPage* page = project_->pageByNumber(uint16_t(place.page));
    rebuildTree(page ? place.page : project_->page(0)->number());
    if (!currentPage_)
        return;
    for (oonedraw::GObject* object : canvas_.children) {
        if (std::find(place.widgets.begin(), place.widgets.end(), object->id) ==
            place.widgets.end())
            continue;
        canvas_.Select(object, oonedraw::kSelectAdd);
    }
    if (firstSelected())
        showSelectionPane();
    keySink_->setFocus();
    InvalidateArea(displayRect_);
}

bool CZorvEditorView::changePage(const std::string& name, const CPage& after) {
    if (!project_ || !currentPage_)
        return false;
    auto edit = std::make_unique<ChangePageCmd>(name, *project_, *currentPage_, after,
                                                [this] { return projectFolder(); });
    return !edit->empty() && pushEdit(std::move(edit));
}

void CZorvEditorView::storePositions() {
    if (!currentPage_)
        return;
    CPage after = *currentPage_;
    for (oonedraw::GObject* object : canvas_.GetSelection()->children) {
        WidgetNode* node = after.findWidget(object->id);
        if (!node || node->record.size() < 6)
            continue;
        const oonedraw::GPoint pixel = displayPixelOf(viewTopLeft(*object), displayRect_);
        le::putU16(node->record.data() + 2, uint16_t(pixel.x));
        le::putU16(node->record.data() + 4, uint16_t(pixel.y));
    }
    changePage("Move", after);
    // The pane of several widgets holds their records: it takes them as they are now.
    if (shown_ == multiPane_)
        showSeveralPane();
    // The pane shows the position that is now stored: it is no change of the pane's own.
    else if (shown_ && shown_ != pagePane_) {
        const std::vector<uint8_t> shown = shown_->workingRecord();
        if (shown.size() >= 6 && paneBaseline_.size() == shown.size())
            std::copy(shown.begin() + 2, shown.begin() + 6, paneBaseline_.begin() + 2);
    }
}

} // namespace zorv
