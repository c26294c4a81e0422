#include "app/CDirDialog.h"

#include "platform/qt/FileChooser.h"

namespace zorv {

std::optional<QString> CDirDialog::choose() {
    const QString folder = chooser_.folder(owner_, title_, initial_);
    if (folder.isEmpty())
        return std::nullopt;
    return folder;
}

} // namespace zorv
