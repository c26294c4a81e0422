#pragma once
// What the New Page and Copy Page commands ask of the user; the Qt form runs the dialogs, tests
// answer from a script so that no test waits on a modal dialog.

#include <QString>
#include <optional>
#include <vector>

#include "model/CHCData.h"
#include "search/PageCopies.h"

class QWidget;

namespace zorv {

struct PageChoice {
    int number = 0;
    PlaceMode mode = PlaceMode::Insert;
    QString description; // New Page only
    // Copy Page only: the pages copied with the source as one set, the number of copies and the
    // registers each copy moves. Copy k of a page p of the set becomes page
    // p + k * (number - source); without any of them the source alone is copied to `number`.
    std::vector<uint16_t> withPages{};
    int copies = 1;
    std::vector<RegisterShift> shifts{};

    bool plainCopy() const { return withPages.empty() && copies == 1 && shifts.empty(); }
};

class PageDialogs {
public:
    virtual ~PageDialogs() = default;
    // Nothing when the user cancelled.
    virtual std::optional<PageChoice> newPage(QWidget* owner, int proposed) = 0;
    virtual std::optional<PageChoice> copyPage(QWidget* owner, int source, int proposed) = 0;
    // The pages Export Template writes; the page shown alone unless the form asks.
    virtual std::optional<std::vector<uint16_t>> templatePages(QWidget* owner, int current) {
        return std::vector<uint16_t>{uint16_t(current)};
    }
};

class Prompt;

class QtPageDialogs : public PageDialogs {
public:
    explicit QtPageDialogs(Prompt& prompt) : prompt_(prompt) {}
    std::optional<PageChoice> newPage(QWidget* owner, int proposed) override;
    std::optional<PageChoice> copyPage(QWidget* owner, int source, int proposed) override;
    std::optional<std::vector<uint16_t>> templatePages(QWidget* owner, int current) override;

private:
    Prompt& prompt_;
};

} // namespace zorv
