#include "panes/CKeyPropertySet1.h"

#include <QGridLayout>
#include <QRadioButton>

namespace zorv {

CKeyPropertySet1::CKeyPropertySet1(QWidget* parent) : CKeySubPane(parent) {
    QGroupBox* frame = addFrame(tr("Coil"));
    auto* grid = new QGridLayout(frame);
    operation_ = new QButtonGroup(this);
    // In the order of the coil operation codes 0..3.
    const char* const texts[] = {"Set to ON", "Set to OFF ", "Reverse", "Instantaneous ON"};
    for (int code = 0; code < 4; ++code) {
        auto* button = new QRadioButton(tr(texts[code]), frame);
        operation_->addButton(button, code);
        grid->addWidget(button, code / 2, code % 2);
    }
    grid->setRowStretch(2, 1);
}

void CKeyPropertySet1::showForm(const rules::KeyForm& form) {
    if (QAbstractButton* button = operation_->button(form.coilOperation))
        button->setChecked(true);
}

void CKeyPropertySet1::takeForm(rules::KeyForm& form) const {
    form.coilOperation = std::max(operation_->checkedId(), 0);
}

} // namespace zorv
