#pragma once
// An edit of the tags beside the project (the Tags dialog confirmed): the whole table before and
// after. The tags travel with the project file, so the edit counts toward its saved state.

#include "editor/undo/ProjectEdit.h"
#include "model/tags/TagTable.h"

namespace zorv {

class CZorvEditorDoc;

class ChangeTagsCmd : public ProjectEdit {
public:
    // `page`: the page shown while the tags were edited, shown again either way.
    ChangeTagsCmd(CZorvEditorDoc& document, TagTable before, TagTable after, int page);

    bool Execute() override;
    bool Undo() override;
    EditPlace place(bool redone) const override;
    std::size_t heldBytes() const override;

private:
    CZorvEditorDoc& document_;
    TagTable before_, after_;
    int page_;
};

} // namespace zorv
