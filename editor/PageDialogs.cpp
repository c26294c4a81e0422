#include "editor/PageDialogs.h"

#include "editor/CPageCopyDlg.h"
#include "editor/CPageNewDlg.h"

namespace zorv {

std::optional<PageChoice> QtPageDialogs::newPage(QWidget* owner, int proposed) {
    CPageNewDlg dialog(proposed, prompt_, owner);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return PageChoice{dialog.number(), dialog.mode(), dialog.description()};
}

std::optional<PageChoice> QtPageDialogs::copyPage(QWidget* owner, int source, int proposed) {
    CPageCopyDlg dialog(source, proposed, prompt_, owner);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return PageChoice{dialog.number(), dialog.mode(), {}};
}

} // namespace zorv
