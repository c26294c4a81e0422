#pragma once
// What the dialogs of text lists share beside the list: their side buttons, and "Import" and
// "Export" of the rows through a text file that the user chooses.

#include <QPushButton>
#include <QString>
#include <QWidget>
#include <string>
#include <vector>

#include "platform/Prompt.h"
#include "platform/qt/FileChooser.h"

namespace zorv {

// A side button named `name` that leaves Enter to the cell editor.
QPushButton* listButton(const QString& text, const QString& name);

// Holds the messages of an import until the imported rows are shown, so that what the user is
// told stands beside what was read; questions are asked at once.
class MessagesAfterShowing : public Prompt {
public:
    explicit MessagesAfterShowing(Prompt& prompt) : prompt_(prompt) {}
    PromptAnswer ask(const std::string& text, PromptButtons buttons) override;
    void tell();

private:
    Prompt& prompt_;
    std::vector<std::string> held_;
};

// Reads the rows of a chosen file into `rows`, calls `show` and then tells the user what the
// import found (a fault, a conversion) through `prompt`; nothing when no file was chosen.
// `filter` is a Windows filter string.
template <class Rows, class Show>
void importRows(Rows& rows, QWidget* owner, FileChooser& files, Prompt& prompt, const char* filter,
                Show show) {
    const QString path = files.openFile(owner, "Import", {}, qtFileFilter(filter));
    if (path.isEmpty())
        return;
    MessagesAfterShowing later(prompt);
    rows.importFile(path.toStdString(), later);
    show();
    later.tell();
}

// Writes the rows to a chosen file, unless no file was chosen.
template <class Rows>
void exportRows(const Rows& rows, QWidget* owner, FileChooser& files, Prompt& prompt,
                const char* filter) {
    const QString path = files.saveFile(owner, "Export", {}, qtFileFilter(filter));
    if (!path.isEmpty())
        rows.exportFile(path.toStdString(), prompt);
}

} // namespace zorv
