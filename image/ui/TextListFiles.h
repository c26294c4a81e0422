#pragma once
// What the dialogs of text lists share beside the list: their side buttons, and "Import" and
// "Export" of the rows through a text file that the user chooses.

#include <QPushButton>
#include <QString>
#include <QWidget>

#include "platform/Prompt.h"
#include "platform/qt/FileChooser.h"

namespace zorv {

// A side button named `name` that leaves Enter to the cell editor.
QPushButton* listButton(const QString& text, const QString& name);

// Reads the rows of a chosen file into `rows` (telling the user of a fault through `prompt`);
// false when no file was chosen. `filter` is a Windows filter string.
template <class Rows>
bool importRows(Rows& rows, QWidget* owner, FileChooser& files, Prompt& prompt,
                const char* filter) {
    const QString path = files.openFile(owner, "Import", {}, qtFileFilter(filter));
    if (path.isEmpty())
        return false;
    rows.importFile(path.toStdString(), prompt);
    return true;
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
