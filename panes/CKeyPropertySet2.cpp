#include "panes/CKeyPropertySet2.h"

#include <QGridLayout>
#include <QLabel>
#include <QRegularExpressionValidator>

#include "panes/ImagePaneControls.h"

namespace zorv {

CKeyPropertySet2::CKeyPropertySet2(QWidget* parent) : CKeySubPane(parent) {
    QGroupBox* frame = addFrame(tr("Page"));
    page_ = new QLineEdit(frame);
    // Six digits let a page above 65535 be typed and cut to the bound.
    page_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,6}")), page_));
    page_->setAccessibleName(tr("Jump to page"));
    alarmList_ = new QCheckBox(tr("Alarm list"), frame);
    auto* grid = new QGridLayout(frame);
    addLabelled(grid, 0, 0, tr("Jump to:"), page_);
    grid->addWidget(new QLabel(tr("(1~65535)"), frame), 0, 2);
    grid->addWidget(alarmList_, 1, 0, 1, 3);
    grid->setRowStretch(2, 1);
    // The alarm list takes the place of a page.
    connect(alarmList_, &QCheckBox::toggled, page_, &QWidget::setDisabled);
}

void CKeyPropertySet2::showForm(const rules::KeyForm& form) {
    page_->setText(QString::fromStdString(form.page));
    alarmList_->setChecked(form.alarmList);
    page_->setDisabled(form.alarmList);
}

void CKeyPropertySet2::takeForm(rules::KeyForm& form) const {
    form.page = page_->text().toStdString();
    form.alarmList = alarmList_->isChecked();
}

} // namespace zorv
