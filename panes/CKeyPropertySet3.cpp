#include "panes/CKeyPropertySet3.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace zorv {

QLineEdit* keyValueField(QWidget* parent, const QString& accessibleName) {
    auto* field = new QLineEdit(parent);
    field->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?[0-9]{0,6}")), field));
    field->setAccessibleName(accessibleName);
    return field;
}

CKeyPropertySet3::CKeyPropertySet3(QWidget* parent) : CKeySubPane(parent) {
    auto* frame = new QGroupBox(tr("Register"), this);
    parameter_ = keyValueField(frame, tr("Parameter"));
    sign_ = new SignChoice(frame);
    auto* label = new QLabel(tr("Parameter:"), frame);
    label->setBuddy(parameter_);
    auto* grid = new QGridLayout(frame);
    grid->addWidget(label, 0, 0);
    grid->addWidget(parameter_, 0, 1);
    grid->addWidget(sign_, 1, 0, 1, 2);
    grid->setRowStretch(2, 1);
    (new QVBoxLayout(this))->addWidget(frame);
    setAccessibleName(tr("Register"));
}

void CKeyPropertySet3::showForm(const rules::KeyForm& form) {
    parameter_->setText(QString::fromStdString(form.value));
    sign_->setSigned(form.isSigned);
}

void CKeyPropertySet3::takeForm(rules::KeyForm& form) const {
    form.value = parameter_->text().toStdString();
    form.isSigned = sign_->isSigned();
}

} // namespace zorv
