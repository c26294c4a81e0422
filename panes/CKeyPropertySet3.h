#pragma once
// Key sub-pane "Register": the value the key writes to its register.

#include <QLineEdit>

#include "panes/CKeySubPane.h"
#include "panes/SignChoice.h"

namespace zorv {

class CKeyPropertySet3 : public CKeySubPane {
    Q_OBJECT
public:
    explicit CKeyPropertySet3(QWidget* parent = nullptr);
    void showForm(const rules::KeyForm& form) override;
    void takeForm(rules::KeyForm& form) const override;

private:
    QLineEdit* parameter_;
    SignChoice* sign_;
};

// A box for a register value as typed: an optional minus sign and up to six digits, so that a
// value beyond the 16-bit range can be typed and is cut to the bound on confirm.
QLineEdit* keyValueField(QWidget* parent, const QString& accessibleName);

} // namespace zorv
