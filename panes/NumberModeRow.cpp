#include "panes/NumberModeRow.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>

namespace zorv {

NumberModeRow::NumberModeRow(QWidget* parent) : QWidget(parent) {
    decimal_ = new QRadioButton(tr("Decimal "), this);
    hexBcd_ = new QRadioButton(tr("HEX/BCD"), this);
    signed_ = new QCheckBox(tr("Signed No."), this);
    auto* group = new QButtonGroup(this);
    group->addButton(decimal_);
    group->addButton(hexBcd_);
    decimal_->setChecked(true);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(tr("Mode:"), this);
    label->setBuddy(decimal_);
    row->addWidget(label);
    row->addWidget(decimal_);
    row->addWidget(hexBcd_);
    row->addSpacing(12);
    row->addWidget(signed_);
    row->addStretch();
    connect(hexBcd_, &QRadioButton::toggled, this, &NumberModeRow::modeChosen);
}

void NumberModeRow::showMode(bool isSigned, bool hexBcd) {
    (hexBcd ? hexBcd_ : decimal_)->setChecked(true);
    signed_->setChecked(isSigned && !hexBcd);
    signed_->setEnabled(!hexBcd);
}

void NumberModeRow::modeChosen() {
    if (hexBcd_->isChecked())
        signed_->setChecked(false);
    signed_->setEnabled(!hexBcd_->isChecked());
}

} // namespace zorv
