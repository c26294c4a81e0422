#pragma once
// Edit > Replace...: texts (the text sought and its replacement, in language 1, 2 or both) or
// registers (a run moved to another run, or by an offset), over the whole project, chosen pages
// or the selected widgets. The preview lists every change (page, widget, field, old, new) as
// the fields are typed; a text the panel could not hold is listed as refused and is not stored.
// Nothing changes in the project until the caller stores the accepted plan.

#include <QDialog>
#include <vector>

#include "search/Renumber.h"
#include "search/TextReplace.h"

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QTreeWidget;

namespace zorv {

class CHCData;

struct ReplacePlan {
    bool registers = false;
    RenumberScope scope;
    std::vector<TextReplacement> texts; // refused ones included
    std::vector<RegisterMove> moves;
    std::vector<RegisterChange> changes;
    // The changes that would be stored.
    int storedCount() const;
};

class CReplaceDlg : public QDialog {
    Q_OBJECT
public:
    // `selection`: the selected widgets of the shown page; none: the choice is not offered.
    CReplaceDlg(const CHCData& project, RenumberScope selection, QWidget* parent = nullptr);

    // Starts from what the Find dock looks for: a register or a run as the registers to move,
    // anything else as the text to find.
    void takeQuery(const QString& query);
    const ReplacePlan& plan() const { return plan_; }

    QTabWidget* kinds() const { return kinds_; }
    QLineEdit* findText() const { return findText_; }
    QLineEdit* replacement() const { return replacement_; }
    QComboBox* languages() const { return languages_; }
    QLineEdit* fromRegisters() const { return from_; }
    QRadioButton* byRun() const { return byRun_; }
    QLineEdit* toRegisters() const { return to_; }
    QRadioButton* byOffset() const { return byOffset_; }
    QSpinBox* offset() const { return offset_; }
    QComboBox* where() const { return where_; }
    QLineEdit* pages() const { return pages_; }
    QTreeWidget* preview() const { return preview_; }
    QLabel* note() const { return note_; }
    QPushButton* replaceButton() const { return replace_; }

private:
    QWidget* textsTab();
    QWidget* registersTab();
    // Plans anew from the fields and lists the plan.
    void updatePreview();
    bool readScope(RenumberScope& scope, QString& fault) const;
    bool readMoves(std::vector<RegisterMove>& moves, QString& fault) const;
    void listPlan();

    const CHCData& project_;
    RenumberScope selection_;
    ReplacePlan plan_;
    QTabWidget* kinds_;
    QLineEdit* findText_ = nullptr;
    QLineEdit* replacement_ = nullptr;
    QComboBox* languages_ = nullptr;
    QLineEdit* from_ = nullptr;
    QRadioButton* byRun_ = nullptr;
    QLineEdit* to_ = nullptr;
    QRadioButton* byOffset_ = nullptr;
    QSpinBox* offset_ = nullptr;
    QComboBox* where_;
    QLineEdit* pages_;
    QTreeWidget* preview_;
    QLabel* note_;
    QPushButton* replace_;
};

} // namespace zorv
