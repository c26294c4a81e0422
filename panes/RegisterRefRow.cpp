#include "panes/RegisterRefRow.h"

#include <QHBoxLayout>
#include <QRegularExpressionValidator>

#include "model/rules/NumberEntry.h"
#include "panes/PaneFields.h"

namespace zorv {

RegisterRefRow::RegisterRefRow(std::initializer_list<RegisterType> offered, const Labels& labels,
                               QWidget* parent)
    : QWidget(parent), offered_(offered) {
    station_ = new QSpinBox(this);
    station_->setRange(1, 255);
    station_->setAccessibleName(tr("Station number"));
    type_ = new QComboBox(this);
    for (RegisterType t : offered_)
        type_->addItem(QString::fromLatin1(registerLetter(uint8_t(t))), int(t));
    type_->setAccessibleName(tr("Register type"));
    address_ = new QLineEdit(this);
    address_->setAccessibleName(tr("Register address"));
    address_->setMaximumWidth(64);
    // Room for one digit beyond every range, so that a typed value too large is cut with its
    // message rather than refused key by key.
    decimal_ = new QRegularExpressionValidator(QRegularExpression("[0-9]{0,5}"), address_);
    octal_ = new QRegularExpressionValidator(QRegularExpression("[0-7]{0,4}"), address_);
    address_->setValidator(decimal_);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    const std::pair<const QString&, QWidget*> parts[] = {
        {labels.station, station_}, {labels.type, type_}, {labels.address, address_}};
    for (const auto& [text, field] : parts) {
        if (!text.isEmpty())
            row->addWidget(buddyLabel(text, field, this));
        row->addWidget(field);
    }
    connect(type_, &QComboBox::currentIndexChanged, this, &RegisterRefRow::typeChosen);
}

void RegisterRefRow::showForm(const rules::AddressForm& form) {
    station_->setValue(int(rules::typedNumber(form.station, 1, 255)));
    const int index = type_->findData(int(form.type));
    type_->setCurrentIndex(index < 0 ? 0 : index);
    typeChosen();
    address_->setText(QString::fromStdString(form.address));
}

rules::AddressForm RegisterRefRow::form() const {
    return {std::to_string(station_->value()), uint8_t(type_->currentData().toInt()),
            address_->text().toStdString()};
}

void RegisterRefRow::typeChosen() {
    const bool octal = isOctalAddressType(uint8_t(type_->currentData().toInt()));
    address_->setValidator(octal ? octal_ : decimal_);
}

} // namespace zorv
