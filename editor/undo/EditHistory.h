#pragma once
// The undo history of the open project: the framework's command stack of project edits, and
// the position at which the project was last saved, so that undoing back to it clears the
// document's modified mark.

#include <QObject>
#include <QString>
#include <memory>

#include "editor/undo/ProjectEdit.h"
#include "oonedraw/GCommandStack.h"

namespace zorv {

class CZorvEditorDoc;

class EditHistory : public QObject {
    Q_OBJECT
public:
    explicit EditHistory(CZorvEditorDoc& document, QObject* parent = nullptr);

    // Runs the edit and keeps it for undo; false (and nothing kept) when it could not run.
    bool push(std::unique_ptr<ProjectEdit> edit);
    // The edit undone or redone, or nullptr when there was none or it failed.
    const ProjectEdit* undo();
    const ProjectEdit* redo();
    // New, Open and Import: nothing of the previous project can be undone.
    void clear();
    // The project changed outside the history: no undo leads back to the saved state.
    void forgetSavedState();

    bool canUndo() const { return stack_.CanUndo(); }
    bool canRedo() const { return stack_.CanRedo(); }
    // "Move", "Delete Page": the name of the edit Undo or Redo would run; empty when none.
    QString undoName() const;
    QString redoName() const;
    int size() const { return int(stack_.entries.size()); }
    std::size_t heldBytes() const;
    // Marks the document modified unless the project is at its saved state (again after the
    // view showed an undone or redone edit, which may have touched the mark).
    void settle();

signals:
    void changed();

private:
    const ProjectEdit* edit(std::size_t index) const;
    // A project that is not modified was just saved (or opened) at the current position.
    void noteSave();

    CZorvEditorDoc& document_;
    oonedraw::GCommandStack stack_;
    int saved_ = 0; // -1: the saved state is out of reach
};

} // namespace zorv
