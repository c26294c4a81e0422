#include "editor/CPageNewDlg.h"

#include <QFormLayout>
#include <QLabel>
#include <QRadioButton>

namespace zorv {

CPageNewDlg::CPageNewDlg(int proposed, Prompt& prompt, QWidget* parent)
    : CPageNumberDlg(tr("New Page"), proposed, PlaceMode::Insert, prompt, parent) {
    description_ = new QLineEdit(this);
    description_->setMaxLength(kMaxDescription);
    description_->setAccessibleName(tr("Page description"));
    auto* label = new QLabel(tr("Page description:"), this);
    label->setBuddy(description_);
    form()->addRow(label, description_);
    setTabOrder(numberBox(), description_);
    setTabOrder(description_, insertButton());
    setTabOrder(insertButton(), coverButton());
}

} // namespace zorv
