#pragma once
// An input bound of the register pane in one row: its check box "...AssociatedToRegister"
// switches the row between the constants (input and engineering bound) and the register
// fields (station, type, address and number of registers).

#include <QCheckBox>
#include <QComboBox>
#include <QStackedWidget>
#include <QWidget>

#include "controls/CNumberEdit.h"
#include "model/rules/RegisterRules.h"
#include "panes/RegisterRefRow.h"

namespace zorv {

class RegisterBoundRow : public QObject {
    Q_OBJECT
public:
    struct Labels {
        QString check;       // "UpperBoundAssociatedToRegister"
        QString input;       // "InputUpper:"
        QString engineering; // "WorkloadUpper:"
    };
    RegisterBoundRow(const Labels& labels, QWidget* parent);

    QCheckBox* check() const { return check_; }
    // The constant fields and the register fields in one place of the pane.
    QStackedWidget* fields() const { return fields_; }
    QWidget* constantFields() const { return constants_; }
    QWidget* registerFields() const { return registers_; }
    CNumberEdit* inputField() const { return input_; }
    CNumberEdit* engineeringField() const { return engineering_; }
    RegisterRefRow* registerRow() const { return reg_; }

    void showForm(const rules::BoundForm& form);
    rules::BoundForm form() const;

private:
    void switchRow();

    QCheckBox* check_;
    QStackedWidget* fields_;
    QWidget* constants_;
    QWidget* registers_;
    CNumberEdit* input_;
    CNumberEdit* engineering_;
    RegisterRefRow* reg_;
    QComboBox* count_;
};

} // namespace zorv
