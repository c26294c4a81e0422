#pragma once
// Shared steps of the table dialog tests: typing into a list cell through its in-place editor,
// clicking a named button, and fresh folders for the text files.

#include <QString>
#include <QTemporaryDir>
#include <string>

class QWidget;

namespace zorv {
class CEditListCtrl;
}

namespace dialogkit {

// Key clicks for every character, those beyond ASCII included.
void typeText(QWidget* widget, const QString& text);
// Opens the cell's editor, replaces its text by typing `text` and presses Enter.
void typeIntoCell(zorv::CEditListCtrl& list, int row, int column, const QString& text);
// Clicks the push button or check box named `name` among `dialog`'s children.
void click(QWidget& dialog, const char* name);
// Replaces the text of the line edit named `name` by typing.
void retype(QWidget& dialog, const char* name, const QString& text);
// The whole file, and a file written byte for byte.
std::string readFile(const QString& path);
void writeFile(const QString& path, const std::string& bytes);

} // namespace dialogkit
