#pragma once
// Which columns of a comma-separated list hold the tags' names, registers and comments, asked
// when the list's first row is not the tag file's header "name,register,comment" (lists that
// PLC tools export name them "Symbol", "Address", ... or not at all).

#include <QDialog>
#include <string>
#include <vector>

#include "model/tags/TagImport.h"

class QCheckBox;
class QComboBox;
class QPushButton;

namespace zorv {

// Whether a first row names the name and the register column as the tag file does.
bool isTagFileHeader(const std::vector<std::string>& firstRow);

class CTagColumnsDlg : public QDialog {
    Q_OBJECT
public:
    // The columns are offered by number with the text of the list's first row.
    CTagColumnsDlg(const std::vector<std::string>& firstRow, QWidget* parent);

    // The chosen columns by position; the first row is read as a tag unless it names them.
    TagImportOptions options() const;

    QComboBox* nameColumn() const { return name_; }
    QComboBox* registerColumn() const { return register_; }
    // "(none)" first, then the columns.
    QComboBox* commentColumn() const { return comment_; }
    QCheckBox* headerBox() const { return header_; }

private:
    // OK waits for two different columns of name and register.
    void updateOk();

    QComboBox* name_;
    QComboBox* register_;
    QComboBox* comment_;
    QCheckBox* header_;
    QPushButton* ok_;
};

} // namespace zorv
