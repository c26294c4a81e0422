#include "panes/RegisterBoundRow.h"

#include <QHBoxLayout>

#include "panes/PaneFields.h"

namespace zorv {

RegisterBoundRow::RegisterBoundRow(const Labels& labels, QWidget* parent) : QObject(parent) {
    check_ = new QCheckBox(labels.check, parent);
    fields_ = new QStackedWidget(parent);
    fields_->setAccessibleName(labels.check);

    constants_ = new QWidget(fields_);
    // Any 32-bit value may be typed; apply cuts it to the range of the registers and sign.
    input_ = numberField(labels.input, INT32_MIN, UINT32_MAX, constants_);
    engineering_ = numberField(labels.engineering, INT32_MIN, UINT32_MAX, constants_);
    auto* constantRow = new QHBoxLayout(constants_);
    constantRow->setContentsMargins(0, 0, 0, 0);
    constantRow->addWidget(buddyLabel(labels.input, input_, constants_));
    constantRow->addWidget(input_);
    constantRow->addWidget(buddyLabel(labels.engineering, engineering_, constants_));
    constantRow->addWidget(engineering_);
    constantRow->addStretch();

    registers_ = new QWidget(fields_);
    reg_ = new RegisterRefRow({RegisterType::D, RegisterType::M},
                              {tr("StationNo."), tr("Reg.:"), QString()}, registers_);
    count_ = registerCountBox(tr("Number of registers"), registers_);
    auto* registerRow = new QHBoxLayout(registers_);
    registerRow->setContentsMargins(0, 0, 0, 0);
    registerRow->addWidget(reg_);
    registerRow->addWidget(buddyLabel(tr("RegisterNo."), count_, registers_));
    registerRow->addWidget(count_);
    registerRow->addStretch();

    fields_->addWidget(constants_);
    fields_->addWidget(registers_);
    connect(check_, &QCheckBox::toggled, this, &RegisterBoundRow::switchRow);
}

void RegisterBoundRow::showForm(const rules::BoundForm& form) {
    check_->setChecked(form.fromRegister);
    input_->setText(QString::fromStdString(form.input));
    engineering_->setText(QString::fromStdString(form.engineering));
    // A bound held as constants offers register 0 when switched to a register.
    rules::AddressForm reg = form.reg;
    if (reg.address.empty())
        reg.address = "0";
    reg_->showForm(reg);
    showRegisterCount(*count_, form.registers);
    switchRow();
}

rules::BoundForm RegisterBoundRow::form() const {
    rules::BoundForm form;
    form.fromRegister = check_->isChecked();
    form.input = input_->text().toStdString();
    form.engineering = engineering_->text().toStdString();
    form.reg = reg_->form();
    form.registers = registerCountOf(*count_);
    return form;
}

void RegisterBoundRow::switchRow() {
    fields_->setCurrentWidget(check_->isChecked() ? registers_ : constants_);
}

} // namespace zorv
