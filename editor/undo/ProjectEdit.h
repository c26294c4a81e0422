#pragma once
// An undoable edit of the project. It holds what it needs to redo and undo itself, so the
// history can run it either way at any later time.

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "oonedraw/GCommand.h"

namespace zorv {

// Where an edit acts: the page to show after it ran either way, and the widgets to select there.
struct EditPlace {
    int page = 0;
    std::vector<int32_t> widgets;
};

class ProjectEdit : public oonedraw::GCommand {
public:
    explicit ProjectEdit(std::string name) : name_(std::move(name)) {}

    // The command's name in "Undo Move", "Redo Delete Page".
    const std::string& name() const { return name_; }
    // After Execute (redone) or after Undo.
    virtual EditPlace place(bool redone) const = 0;
    // The bytes held for the way back and forth.
    virtual std::size_t heldBytes() const = 0;

private:
    std::string name_;
};

} // namespace zorv
