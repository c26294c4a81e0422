#pragma once
// Key sub-pane "Page": the page the key jumps to, or the alarm list.

#include <QCheckBox>
#include <QLineEdit>

#include "panes/CKeySubPane.h"

namespace zorv {

class CKeyPropertySet2 : public CKeySubPane {
    Q_OBJECT
public:
    explicit CKeyPropertySet2(QWidget* parent = nullptr);
    void showForm(const rules::KeyForm& form) override;
    void takeForm(rules::KeyForm& form) const override;

private:
    QLineEdit* page_;
    QCheckBox* alarmList_;
};

} // namespace zorv
