#pragma once
// Key sub-pane "Register plus/minus": the step the key adds to or takes from its register, and
// the limit it stops at while "Limiting" is set. The value and limit labels follow the
// direction at once.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "panes/CKeySubPane.h"
#include "panes/SignChoice.h"

namespace zorv {

class CKeyPropertySet4 : public CKeySubPane {
    Q_OBJECT
public:
    explicit CKeyPropertySet4(QWidget* parent = nullptr);
    void showForm(const rules::KeyForm& form) override;
    void takeForm(rules::KeyForm& form) const override;

private:
    void relabel(bool decrease);

    QRadioButton* increase_;
    QRadioButton* decrease_;
    QCheckBox* limiting_;
    QLabel* valueLabel_;
    QLineEdit* value_;
    QLabel* limitLabel_;
    QLineEdit* limit_;
    SignChoice* sign_;
};

} // namespace zorv
