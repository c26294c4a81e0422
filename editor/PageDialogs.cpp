#include "editor/PageDialogs.h"

#include <QInputDialog>

#include "editor/CPageCopyDlg.h"
#include "editor/CPageNewDlg.h"
#include "platform/Prompt.h"

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
    return dialog.choice();
}

std::optional<std::vector<uint16_t>> QtPageDialogs::templatePages(QWidget* owner, int current) {
    QString text = QString::number(current);
    for (;;) {
        bool ok = false;
        text = QInputDialog::getText(owner, QObject::tr("Export Template"),
                                     QObject::tr("Pages of the template (e.g. 10-12, 20):"),
                                     QLineEdit::Normal, text, &ok);
        if (!ok)
            return std::nullopt;
        std::vector<uint16_t> pages;
        std::string message;
        if (parsePageList(text.toStdString(), pages, message) && !pages.empty())
            return pages;
        prompt_.message(pages.empty() && message.empty() ? "Name at least one page." : message);
    }
}

} // namespace zorv
