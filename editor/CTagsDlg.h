#pragma once
// Toolbars > Tags...: the tags of the project in a table of name, register and comment, edited in
// place. A cell the table cannot take (a register that does not read, a name given twice) keeps
// its typing and is marked with its fault; OK waits until every row is sound. Import... takes
// the tags of a comma-separated list (its columns chosen when its first row does not name them);
// a list with a faulty line is refused whole, naming each line. Export... writes the tag file's
// own form.

#include <QDialog>
#include <vector>

#include "model/tags/TagTable.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace zorv {

class FileChooser;
class Prompt;

inline constexpr const char* kTagListFilter = "Tag list:(*.csv)|*.csv|";

class CTagsDlg : public QDialog {
    Q_OBJECT
public:
    enum Column { NameColumn, RegisterColumn, CommentColumn };

    CTagsDlg(const TagTable& tags, Prompt& prompt, FileChooser& files, QWidget* parent);

    // The rows as a table; only sound once every row is (see accept()).
    TagTable tags() const;

    void accept() override;
    void addRow();
    void deleteRows();
    void importList();
    void exportList();

    QTableWidget* table() const { return table_; }
    // The first fault of the rows ("Row 3: duplicate name ..."); empty while every row is sound.
    QLabel* note() const { return note_; }
    QPushButton* importButton() const { return import_; }

protected:
    // Return ends the typing in a cell; it does not confirm the dialog.
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct CellFault {
        int row;
        int column;
        QString text;
    };
    // The tags of the rows and the faults that keep a row out; rows left empty are no tags.
    TagTable readRows(std::vector<CellFault>& faults) const;
    void fill(const TagTable& tags);
    // Marks each faulty cell and names the first fault in the note; the faults.
    std::vector<CellFault> check();
    // The rows as a table for Import and Export; false, having said why, while a row is faulty.
    bool soundRows(TagTable& tags);

    Prompt& prompt_;
    FileChooser& files_;
    QTableWidget* table_;
    QLabel* note_;
    QPushButton* import_;
};

} // namespace zorv
