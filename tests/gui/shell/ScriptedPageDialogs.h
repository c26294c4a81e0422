#pragma once
// New Page and Copy Page answered from a script instead of their dialogs.

#include <optional>

#include "editor/PageDialogs.h"

namespace zorv {

struct ScriptedPageDialogs : PageDialogs {
    std::optional<PageChoice> answer;
    std::optional<PageChoice> newPage(QWidget*, int) override { return answer; }
    std::optional<PageChoice> copyPage(QWidget*, int, int) override { return answer; }
};

} // namespace zorv
