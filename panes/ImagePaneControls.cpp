#include "panes/ImagePaneControls.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRegularExpressionValidator>
#include <QShortcut>
#include <algorithm>

#include "platform/Prompt.h"

namespace zorv {

namespace {

// Four octal digits let 400 be typed and cut to 377 with its message.
const QRegularExpression kOctalAddress(QStringLiteral("[0-7]{0,4}"));
const QRegularExpression kDecimalAddress(QStringLiteral("[0-9]{0,5}"));

} // namespace

QLineEdit* readOnlyNumberField(QWidget* parent, const QString& accessibleName) {
    auto* field = new QLineEdit(parent);
    field->setReadOnly(true);
    field->setAccessibleName(accessibleName);
    field->setMinimumWidth(44);
    field->setMaximumWidth(56);
    return field;
}

QLabel* addLabelled(QGridLayout* grid, int row, int column, const QString& text, QWidget* field) {
    auto* label = new QLabel(text, grid->parentWidget());
    label->setBuddy(field);
    grid->addWidget(label, row, column);
    grid->addWidget(field, row, column + 1);
    return label;
}

PositionBox::PositionBox(QWidget* parent) : QGroupBox(tr("Coordinate"), parent) {
    auto* grid = new QGridLayout(this);
    x_ = readOnlyNumberField(this, tr("X"));
    y_ = readOnlyNumberField(this, tr("Y"));
    addLabelled(grid, 0, 0, tr("X:"), x_);
    addLabelled(grid, 0, 2, tr("Y:"), y_);
}

void PositionBox::showPosition(int x, int y) {
    x_->setText(QString::number(x));
    y_->setText(QString::number(y));
}

RegisterGroup::RegisterGroup(const QString& title, const QString& addressLabel,
                             Arrangement arrangement, QWidget* parent)
    : QGroupBox(title, parent) {
    station_ = new QSpinBox(this);
    station_->setRange(1, 255);
    station_->setAccessibleName(tr("Station No."));
    type_ = new QComboBox(this);
    type_->setAccessibleName(tr("Register type"));
    address_ = new QLineEdit(this);
    address_->setAccessibleName(tr("Address"));
    address_->setValidator(new QRegularExpressionValidator(kDecimalAddress, address_));
    auto* grid = new QGridLayout(this);
    const bool row = arrangement == Arrangement::Row;
    addLabelled(grid, 0, 0, tr("Station No.:"), station_);
    addLabelled(grid, row ? 0 : 1, row ? 2 : 0, tr("Type:"), type_);
    addLabelled(grid, row ? 0 : 2, row ? 4 : 0, addressLabel, address_);
    connect(type_, &QComboBox::currentIndexChanged, this, &RegisterGroup::typeChosen);
}

void RegisterGroup::setTypes(std::initializer_list<RegisterType> types) {
    const rules::AddressForm shown = form();
    types_.assign(types);
    {
        const QSignalBlocker blocker(type_);
        type_->clear();
        for (RegisterType t : types_)
            type_->addItem(QString::fromLatin1(registerLetter(uint8_t(t))));
    }
    showForm(shown);
}

void RegisterGroup::showForm(const rules::AddressForm& form) {
    station_->setValue(std::clamp(std::atoi(form.station.c_str()), 1, 255));
    const auto it = std::find(types_.begin(), types_.end(), RegisterType(form.type));
    {
        const QSignalBlocker blocker(type_);
        type_->setCurrentIndex(it == types_.end() ? 0 : int(it - types_.begin()));
    }
    typeChosen();
    address_->setText(QString::fromStdString(form.address));
}

rules::AddressForm RegisterGroup::form() const {
    rules::AddressForm form;
    form.station = std::to_string(station_->value());
    const int index = type_->currentIndex();
    if (index >= 0 && std::size_t(index) < types_.size())
        form.type = uint8_t(types_[std::size_t(index)]);
    form.address = address_->text().toStdString();
    return form;
}

void RegisterGroup::typeChosen() {
    const bool octal = isOctalAddressType(form().type);
    auto* validator =
        static_cast<QRegularExpressionValidator*>(const_cast<QValidator*>(address_->validator()));
    validator->setRegularExpression(octal ? kOctalAddress : kDecimalAddress);
    // A decimal address with the digits 8 or 9 has no octal reading.
    QString text = address_->text();
    int at = 0;
    if (validator->validate(text, at) != QValidator::Acceptable)
        address_->setText(QStringLiteral("0"));
}

void showMessages(const PaneContext& context, const std::vector<std::string>& messages) {
    if (!context.prompt)
        return;
    for (const std::string& message : messages)
        context.prompt->message(message);
}

void addEnterShortcuts(QWidget* pane, const std::function<void()>& confirm) {
    for (int key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* shortcut = new QShortcut(QKeySequence(key), pane);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        QObject::connect(shortcut, &QShortcut::activated, pane, confirm);
    }
}

} // namespace zorv
