#include "panes/RegisterRefFields.h"

#include <QRegularExpressionValidator>
#include <algorithm>

#include "model/rules/NumberEntry.h"
#include "panes/FieldHint.h"
#include "panes/PaneFields.h"

namespace zorv {

namespace {

// Room for one digit beyond every range, so that a typed value too large is cut with its
// message rather than refused key by key: four octal digits let 400 be typed and cut to 377.
const QRegularExpression kOctalAddress(QStringLiteral("[0-7]{0,4}"));
const QRegularExpression kDecimalAddress(QStringLiteral("[0-9]{0,5}"));

} // namespace

RegisterRefFields::RegisterRefFields(std::initializer_list<RegisterType> offered,
                                     const Names& names, QWidget* parent)
    : types_(offered) {
    station_ = new SpinField(parent);
    station_->setRange(1, 255);
    station_->setAccessibleName(names.station);
    type_ = new QComboBox(parent);
    fillTypes();
    type_->setAccessibleName(names.type);
    address_ = new QLineEdit(parent);
    address_->setAccessibleName(names.address);
    validator_ = new QRegularExpressionValidator(kDecimalAddress, address_);
    address_->setValidator(validator_);
    QObject::connect(type_, &QComboBox::currentIndexChanged, type_, [this] { typeChosen(); });
    // An address is only ever cut to the last one of its register letter.
    describeCorrection(*address_, [this](const QString&, const QString& shown) {
        const uint8_t type = form().type;
        if (isOctalAddressType(type))
            return QString::fromUtf8(kAddressOctalLimitMessage);
        return QObject::tr("A %1 address is at most %2: set to %2")
            .arg(QString::fromLatin1(registerLetter(type)), shown);
    });
}

void RegisterRefFields::setTypes(std::initializer_list<RegisterType> types) {
    const rules::AddressForm shown = form();
    types_.assign(types);
    {
        const QSignalBlocker blocker(type_);
        fillTypes();
    }
    showForm(shown);
}

void RegisterRefFields::fillTypes() {
    type_->clear();
    for (RegisterType t : types_)
        type_->addItem(QString::fromLatin1(registerLetter(uint8_t(t))));
}

void RegisterRefFields::showForm(const rules::AddressForm& form) {
    station_->setValue(int(rules::typedNumber(form.station, 1, 255)));
    const auto it = std::find(types_.begin(), types_.end(), RegisterType(form.type));
    {
        const QSignalBlocker blocker(type_);
        type_->setCurrentIndex(it == types_.end() ? 0 : int(it - types_.begin()));
    }
    typeChosen();
    address_->setText(QString::fromStdString(form.address));
}

rules::AddressForm RegisterRefFields::form() const {
    rules::AddressForm form;
    form.station = std::to_string(station_->value());
    const int index = type_->currentIndex();
    if (index >= 0 && std::size_t(index) < types_.size())
        form.type = uint8_t(types_[std::size_t(index)]);
    form.address = address_->text().toStdString();
    return form;
}

void RegisterRefFields::typeChosen() {
    const bool octal = isOctalAddressType(form().type);
    validator_->setRegularExpression(octal ? kOctalAddress : kDecimalAddress);
    // A decimal address with the digits 8 or 9 has no octal reading.
    QString text = address_->text();
    int at = 0;
    if (validator_->validate(text, at) != QValidator::Acceptable)
        address_->setText(QStringLiteral("0"));
}

} // namespace zorv
