#include "editor/undo/EditHistory.h"

#include "model/CZorvEditorDoc.h"

namespace zorv {

EditHistory::EditHistory(CZorvEditorDoc& document, QObject* parent)
    : QObject(parent), document_(document) {}

const ProjectEdit* EditHistory::edit(std::size_t index) const {
    return index < stack_.entries.size()
               ? static_cast<const ProjectEdit*>(stack_.entries[index].get())
               : nullptr;
}

void EditHistory::noteSave() {
    if (!document_.modified())
        saved_ = stack_.count;
}

void EditHistory::settle() {
    document_.setModified(stack_.count != saved_);
    emit changed();
}

bool EditHistory::push(std::unique_ptr<ProjectEdit> edit) {
    noteSave();
    if (!stack_.Execute(edit.release()))
        return false;
    // The undone edits that led to the saved state are gone.
    if (saved_ >= stack_.count)
        saved_ = -1;
    settle();
    return true;
}

const ProjectEdit* EditHistory::undo() {
    noteSave();
    if (!stack_.Undo())
        return nullptr;
    settle();
    return edit(std::size_t(stack_.count));
}

const ProjectEdit* EditHistory::redo() {
    noteSave();
    if (!stack_.Redo())
        return nullptr;
    settle();
    return edit(std::size_t(stack_.count) - 1);
}

void EditHistory::clear() {
    stack_.Clear();
    saved_ = document_.modified() ? -1 : 0;
    emit changed();
}

void EditHistory::forgetSavedState() {
    saved_ = -1;
}

QString EditHistory::undoName() const {
    const ProjectEdit* e = canUndo() ? edit(std::size_t(stack_.count) - 1) : nullptr;
    return e ? QString::fromStdString(e->name()) : QString();
}

QString EditHistory::redoName() const {
    const ProjectEdit* e = canRedo() ? edit(std::size_t(stack_.count)) : nullptr;
    return e ? QString::fromStdString(e->name()) : QString();
}

std::size_t EditHistory::heldBytes() const {
    std::size_t bytes = 0;
    for (const auto& entry : stack_.entries)
        bytes += static_cast<const ProjectEdit*>(entry.get())->heldBytes();
    return bytes;
}

} // namespace zorv
