#include "editor/CPageNumberDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace zorv {

CPageNumberDlg::CPageNumberDlg(const QString& title, int proposed, PlaceMode mode, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(title);
    form_ = new QFormLayout;
    number_ = new QSpinBox(this);
    number_->setRange(0, 65535);
    number_->setValue(proposed);
    number_->setAccessibleName(tr("Page number"));
    auto* numberLabel = new QLabel(tr("Page number:"), this);
    numberLabel->setBuddy(number_);
    form_->addRow(numberLabel, number_);

    insert_ = new QRadioButton(tr("Insert"), this);
    cover_ = new QRadioButton(tr("Cover"), this);
    (mode == PlaceMode::Cover ? cover_ : insert_)->setChecked(true);
    auto* modes = new QHBoxLayout;
    modes->addWidget(insert_);
    modes->addWidget(cover_);
    modes->addStretch();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form_);
    layout->addLayout(modes);
    layout->addWidget(buttons);
}

int CPageNumberDlg::number() const {
    return number_->value();
}

PlaceMode CPageNumberDlg::mode() const {
    return cover_->isChecked() ? PlaceMode::Cover : PlaceMode::Insert;
}

} // namespace zorv
