#include "editor/undo/ReplaceProjectCmd.h"

namespace zorv {

ProjectState ProjectState::of(const CHCData& project, bool withPages) {
    ProjectState state{project.header, project.alarmList, std::nullopt};
    if (withPages) {
        state.pages.emplace();
        state.pages->reserve(std::size_t(project.pageCount()));
        for (const auto& page : project.pages())
            state.pages->push_back(PackedPage::of(*page));
    }
    return state;
}

void ProjectState::restore(CHCData& project) const {
    project.header = header;
    project.alarmList = alarmList;
    if (pages) {
        std::vector<CPage> unpacked;
        unpacked.reserve(pages->size());
        for (const PackedPage& page : *pages)
            unpacked.push_back(page.page());
        project.replacePages(unpacked);
    }
}

std::size_t ProjectState::heldBytes() const {
    std::size_t bytes = sizeof(*this);
    if (pages)
        for (const PackedPage& page : *pages)
            bytes += page.heldBytes();
    return bytes;
}

ReplaceProjectCmd::ReplaceProjectCmd(std::string name, CHCData& project, ProjectState before,
                                     ProjectState after, int pageBefore, int pageAfter)
    : ProjectEdit(std::move(name)), project_(project), before_(std::move(before)),
      after_(std::move(after)), pageBefore_(pageBefore), pageAfter_(pageAfter) {}

bool ReplaceProjectCmd::Execute() {
    after_.restore(project_);
    return true;
}

bool ReplaceProjectCmd::Undo() {
    before_.restore(project_);
    return true;
}

EditPlace ReplaceProjectCmd::place(bool redone) const {
    return {redone ? pageAfter_ : pageBefore_, {}};
}

std::size_t ReplaceProjectCmd::heldBytes() const {
    return sizeof(*this) + before_.heldBytes() + after_.heldBytes();
}

} // namespace zorv
