#include "editor/undo/ChangeTagsCmd.h"

#include "model/CZorvEditorDoc.h"

namespace zorv {

namespace {

std::size_t bytesOf(const TagTable& table) {
    std::size_t bytes = 0;
    for (const Tag& tag : table.tags())
        bytes += sizeof(Tag) + tag.name.size() + tag.comment.size();
    return bytes;
}

} // namespace

ChangeTagsCmd::ChangeTagsCmd(CZorvEditorDoc& document, TagTable before, TagTable after, int page)
    : ProjectEdit("Tags"), document_(document), before_(std::move(before)),
      after_(std::move(after)), page_(page) {}

bool ChangeTagsCmd::Execute() {
    document_.setTags(after_);
    return true;
}

bool ChangeTagsCmd::Undo() {
    document_.setTags(before_);
    return true;
}

EditPlace ChangeTagsCmd::place(bool) const {
    return {page_, {}};
}

std::size_t ChangeTagsCmd::heldBytes() const {
    return bytesOf(before_) + bytesOf(after_);
}

} // namespace zorv
