#pragma once
// An edit of the project as a whole: pages made, copied or deleted (with their widgets), the
// system parameters and the system alarm list. It holds the parts it touches before and after.

#include <optional>
#include <vector>

#include "editor/undo/PackedPage.h"
#include "editor/undo/ProjectEdit.h"
#include "model/CHCData.h"

namespace zorv {

// The parts of a project that such an edit replaces; the pages only when it touches them.
struct ProjectState {
    ProjectHeader header;
    AlarmListRecord alarmList;
    std::optional<std::vector<PackedPage>> pages;

    static ProjectState of(const CHCData& project, bool withPages);
    void restore(CHCData& project) const;
    std::size_t heldBytes() const;
};

class ReplaceProjectCmd : public ProjectEdit {
public:
    // `pageBefore` and `pageAfter`: the page shown before the edit and after it.
    ReplaceProjectCmd(std::string name, CHCData& project, ProjectState before, ProjectState after,
                      int pageBefore, int pageAfter);

    bool Execute() override;
    bool Undo() override;
    EditPlace place(bool redone) const override;
    std::size_t heldBytes() const override;

private:
    CHCData& project_;
    ProjectState before_, after_;
    int pageBefore_, pageAfter_;
};

} // namespace zorv
