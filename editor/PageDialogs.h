#pragma once
// What the New Page and Copy Page commands ask of the user; the Qt form runs the dialogs, tests
// answer from a script so that no test waits on a modal dialog.

#include <QString>
#include <optional>

#include "model/CHCData.h"

class QWidget;

namespace zorv {

struct PageChoice {
    int number = 0;
    PlaceMode mode = PlaceMode::Insert;
    QString description; // New Page only
};

class PageDialogs {
public:
    virtual ~PageDialogs() = default;
    // Nothing when the user cancelled.
    virtual std::optional<PageChoice> newPage(QWidget* owner, int proposed) = 0;
    virtual std::optional<PageChoice> copyPage(QWidget* owner, int source, int proposed) = 0;
};

class Prompt;

class QtPageDialogs : public PageDialogs {
public:
    explicit QtPageDialogs(Prompt& prompt) : prompt_(prompt) {}
    std::optional<PageChoice> newPage(QWidget* owner, int proposed) override;
    std::optional<PageChoice> copyPage(QWidget* owner, int source, int proposed) override;

private:
    Prompt& prompt_;
};

} // namespace zorv
