#pragma once
// Key sub-pane "Coil": what the key does to its coil.

#include <QButtonGroup>

#include "panes/CKeySubPane.h"

namespace zorv {

class CKeyPropertySet1 : public CKeySubPane {
    Q_OBJECT
public:
    explicit CKeyPropertySet1(QWidget* parent = nullptr);
    void showForm(const rules::KeyForm& form) override;
    void takeForm(rules::KeyForm& form) const override;

private:
    QButtonGroup* operation_;
};

} // namespace zorv
