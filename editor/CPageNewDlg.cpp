#include "editor/CPageNewDlg.h"

#include <QFormLayout>
#include <QLabel>

namespace zorv {

CPageNewDlg::CPageNewDlg(int proposed, QWidget* parent)
    : CPageNumberDlg(tr("New Page"), proposed, PlaceMode::Insert, parent) {
    description_ = new QLineEdit(this);
    description_->setMaxLength(kMaxDescription);
    description_->setAccessibleName(tr("Page description"));
    auto* label = new QLabel(tr("Page description:"), this);
    label->setBuddy(description_);
    form()->addRow(label, description_);
}

} // namespace zorv
