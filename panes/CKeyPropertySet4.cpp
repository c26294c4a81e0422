#include "panes/CKeyPropertySet4.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>

#include "panes/CKeyPropertySet3.h"

namespace zorv {

CKeyPropertySet4::CKeyPropertySet4(QWidget* parent) : CKeySubPane(parent) {
    QGroupBox* frame = addFrame(tr("Register plus/minus"));
    increase_ = new QRadioButton(tr("Increase"), frame);
    decrease_ = new QRadioButton(tr("Decrease"), frame);
    auto* direction = new QButtonGroup(this);
    direction->addButton(increase_);
    direction->addButton(decrease_);
    limiting_ = new QCheckBox(tr("Limiting"), frame);
    value_ = keyValueField(frame, tr("Step value"));
    limit_ = keyValueField(frame, tr("Limit"));
    valueLabel_ = new QLabel(tr("Added Value :"), frame);
    valueLabel_->setBuddy(value_);
    limitLabel_ = new QLabel(tr("Upper limit:"), frame);
    limitLabel_->setBuddy(limit_);
    sign_ = new SignChoice(frame);

    auto* directions = new QHBoxLayout;
    directions->addWidget(increase_);
    directions->addWidget(decrease_);
    directions->addWidget(limiting_);
    directions->addStretch();
    auto* grid = new QGridLayout(frame);
    grid->addLayout(directions, 0, 0, 1, 4);
    grid->addWidget(valueLabel_, 1, 0);
    grid->addWidget(value_, 1, 1);
    grid->addWidget(limitLabel_, 1, 2);
    grid->addWidget(limit_, 1, 3);
    grid->addWidget(sign_, 2, 0, 1, 4);
    grid->setRowStretch(3, 1);

    connect(increase_, &QRadioButton::clicked, this, [this] { relabel(false); });
    connect(decrease_, &QRadioButton::clicked, this, [this] { relabel(true); });
    connect(limiting_, &QCheckBox::toggled, limit_, &QWidget::setEnabled);
}

void CKeyPropertySet4::relabel(bool decrease) {
    valueLabel_->setText(decrease ? tr("Decrease value:") : tr("Added value:"));
    limitLabel_->setText(decrease ? tr("Lower limit:") : tr("Upper limit:"));
}

void CKeyPropertySet4::showForm(const rules::KeyForm& form) {
    (form.decrease ? decrease_ : increase_)->setChecked(true);
    if (form.decrease)
        relabel(true);
    else {
        valueLabel_->setText(tr("Added Value :"));
        limitLabel_->setText(tr("Upper limit:"));
    }
    limiting_->setChecked(form.limiting);
    limit_->setEnabled(form.limiting);
    value_->setText(QString::fromStdString(form.value));
    limit_->setText(QString::fromStdString(form.limit));
    sign_->setSigned(form.isSigned);
}

void CKeyPropertySet4::takeForm(rules::KeyForm& form) const {
    form.decrease = decrease_->isChecked();
    form.limiting = limiting_->isChecked();
    form.value = value_->text().toStdString();
    form.limit = limit_->text().toStdString();
    form.isSigned = sign_->isSigned();
}

} // namespace zorv
