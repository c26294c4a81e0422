#include "panes/SignChoice.h"

#include <QHBoxLayout>

namespace zorv {

SignChoice::SignChoice(QWidget* parent) : QWidget(parent) {
    unsigned_ = new QRadioButton(tr("Unsigned number"), this);
    signed_ = new QRadioButton(tr("Signed number"), this);
    auto* group = new QButtonGroup(this);
    group->addButton(unsigned_);
    group->addButton(signed_);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(unsigned_);
    row->addWidget(signed_);
    row->addStretch();
    unsigned_->setChecked(true);
}

} // namespace zorv
