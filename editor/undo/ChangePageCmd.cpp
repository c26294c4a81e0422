#include "editor/undo/ChangePageCmd.h"

#include <algorithm>

#include "model/FileOps.h"
#include "model/PictureFiles.h"
#include "model/WidgetRecords.h"

namespace zorv {

namespace {

bool sameWidget(const WidgetNode& a, const WidgetNode& b) {
    return a.id == b.id && a.kind == b.kind && a.record == b.record;
}

} // namespace

ChangePageCmd::ChangePageCmd(std::string name, CHCData& project, const CPage& before,
                             const CPage& after, FolderOf projectFolder)
    : ProjectEdit(std::move(name)), project_(project), number_(before.number()),
      projectFolder_(std::move(projectFolder)), shellBefore_(shellOf(before)),
      shellAfter_(shellOf(after)) {
    // The widgets that stay as they were, in the same order on both sides, are not held. Edits
    // append, change in place or remove, so the next unchanged widget is almost always the next
    // one of the other side.
    std::vector<bool> keptBefore(before.widgets.size()), keptAfter(after.widgets.size());
    std::size_t from = 0;
    for (std::size_t i = 0; i < before.widgets.size(); ++i) {
        for (std::size_t k = from; k < after.widgets.size(); ++k) {
            if (sameWidget(before.widgets[i], after.widgets[k])) {
                keptBefore[i] = keptAfter[k] = true;
                from = k + 1;
                break;
            }
        }
    }
    for (std::size_t i = 0; i < before.widgets.size(); ++i)
        if (!keptBefore[i])
            before_.push_back({i, PackedWidget::of(before.widgets[i])});
    for (std::size_t k = 0; k < after.widgets.size(); ++k)
        if (!keptAfter[k])
            after_.push_back({k, PackedWidget::of(after.widgets[k])});
}

ChangePageCmd::Shell ChangePageCmd::shellOf(const CPage& page) {
    return {page.head, page.flags, page.nextWidgetId, page.description()};
}

bool ChangePageCmd::apply(const Shell& shell, const std::vector<Placed>& drop,
                          const std::vector<Placed>& put) {
    CPage* page = project_.pageByNumber(uint16_t(number_));
    if (!page)
        return false;
    std::vector<WidgetNode>& widgets = page->widgets;
    for (auto it = drop.rbegin(); it != drop.rend(); ++it)
        if (it->index >= widgets.size() || widgets[it->index].id != it->widget.id)
            return false;
    if (widgets.size() - drop.size() + put.size() < (put.empty() ? 0 : put.back().index + 1))
        return false;
    for (auto it = drop.rbegin(); it != drop.rend(); ++it)
        widgets.erase(widgets.begin() + std::ptrdiff_t(it->index));
    for (const Placed& placed : put)
        widgets.insert(widgets.begin() + std::ptrdiff_t(placed.index), placed.widget.node());
    page->head = shell.head;
    page->flags = shell.flags;
    page->nextWidgetId = shell.nextWidgetId;
    page->setDescription(shell.description);
    return true;
}

// A picture goes with the last widget that names it, as it does when the widget is deleted.
void ChangePageCmd::removeUnusedPictures() {
    removedFiles_.clear();
    for (const Placed& placed : before_) {
        const bool removed = std::none_of(after_.begin(), after_.end(), [&](const Placed& p) {
            return p.widget.id == placed.widget.id;
        });
        if (!removed || placed.widget.kind != WidgetKind::Picture)
            continue;
        const std::string name = placed.widget.node().get<PictureRecord>().pictureName();
        if (name.empty() || pictureNameInUse(project_, name, nullptr, 0))
            continue;
        const std::filesystem::path path = picturePath(projectFolder_(), name);
        if (auto bytes = fileops::readFile(path)) {
            fileops::removeFile(path);
            removedFiles_.push_back({path, std::move(*bytes)});
        }
    }
}

bool ChangePageCmd::Execute() {
    if (!apply(shellAfter_, before_, after_))
        return false;
    removeUnusedPictures();
    return true;
}

bool ChangePageCmd::Undo() {
    for (const HeldFile& file : removedFiles_)
        fileops::writeFile(file.path, file.bytes);
    removedFiles_.clear();
    return apply(shellBefore_, after_, before_);
}

EditPlace ChangePageCmd::place(bool redone) const {
    EditPlace where{number_, {}};
    for (const Placed& placed : redone ? after_ : before_)
        where.widgets.push_back(placed.widget.id);
    return where;
}

std::size_t ChangePageCmd::heldBytes() const {
    std::size_t bytes =
        sizeof(*this) + shellBefore_.description.capacity() + shellAfter_.description.capacity();
    for (const auto* side : {&before_, &after_})
        for (const Placed& placed : *side)
            bytes += sizeof(Placed) + placed.widget.packed.capacity();
    for (const HeldFile& file : removedFiles_)
        bytes += sizeof(HeldFile) + file.bytes.capacity();
    return bytes;
}

bool ChangePageCmd::empty() const {
    return before_.empty() && after_.empty() && shellBefore_ == shellAfter_;
}

} // namespace zorv
