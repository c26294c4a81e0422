#pragma once
// An edit of one page: widgets placed, moved, changed or removed, and the page's own properties.
// It keeps only the widgets that differ, each at its index in the page's list, so that the
// widget order (and with it the project file) comes back exactly.

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "editor/undo/PackedPage.h"
#include "editor/undo/ProjectEdit.h"
#include "model/CHCData.h"

namespace zorv {

class ChangePageCmd : public ProjectEdit {
public:
    using FolderOf = std::function<std::filesystem::path()>;

    // The edit that turns `before` into `after`, two states of the project's page of that number.
    // A picture file that no widget names any more once removed widgets are gone is deleted from
    // the folder `projectFolder()` gives, and written back on undo.
    ChangePageCmd(std::string name, CHCData& project, const CPage& before, const CPage& after,
                  FolderOf projectFolder);

    bool Execute() override;
    bool Undo() override;
    EditPlace place(bool redone) const override;
    std::size_t heldBytes() const override;
    // Nothing of the page differs.
    bool empty() const;

private:
    struct Shell {
        PageHead head;
        uint32_t flags = 0;
        int32_t nextWidgetId = 1;
        std::string description;
        bool operator==(const Shell&) const = default;
    };
    struct Placed {
        std::size_t index;
        PackedWidget widget;
    };
    struct HeldFile {
        std::filesystem::path path;
        std::vector<uint8_t> bytes;
    };

    static Shell shellOf(const CPage& page);
    // Drops `drop` and puts `put` in their places; false when the page no longer fits them.
    bool apply(const Shell& shell, const std::vector<Placed>& drop, const std::vector<Placed>& put);
    void removeUnusedPictures();

    CHCData& project_;
    int number_;
    FolderOf projectFolder_;
    Shell shellBefore_, shellAfter_;
    std::vector<Placed> before_, after_;
    std::vector<HeldFile> removedFiles_;
};

} // namespace zorv
