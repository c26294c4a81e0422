#include "panes/CKeyPropertySet3.h"

#include <QGridLayout>
#include <QRegularExpressionValidator>

#include "panes/ImagePaneControls.h"

namespace zorv {

QLineEdit* keyValueField(QWidget* parent, const QString& accessibleName) {
    auto* field = new QLineEdit(parent);
    field->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?[0-9]{0,6}")), field));
    field->setAccessibleName(accessibleName);
    return field;
}

CKeyPropertySet3::CKeyPropertySet3(QWidget* parent) : CKeySubPane(parent) {
    QGroupBox* frame = addFrame(tr("Register"));
    parameter_ = keyValueField(frame, tr("Parameter"));
    sign_ = new SignChoice(frame);
    auto* grid = new QGridLayout(frame);
    addLabelled(grid, 0, 0, tr("Parameter:"), parameter_);
    grid->addWidget(sign_, 1, 0, 1, 2);
    grid->setRowStretch(2, 1);
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
