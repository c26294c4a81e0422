#include "panes/CDynTextProperty.h"

#include <QVBoxLayout>

#include "panes/LanguageTextList.h"
#include "panes/ListPaneFrame.h"
#include "panes/TextAttributesBox.h"

namespace zorv {

CDynTextProperty::CDynTextProperty(QWidget* parent) : RecordPane(parent) {
    auto* position = new PositionBox(this);
    setPositionBox(position);
    register_ = new RegisterGroup({RegisterType::D, RegisterType::M}, tr("Register"), tr("ADDR:"),
                                  RegisterGroup::Arrangement::Column, this);
    attributes_ = new TextAttributesBox(this);
    texts_ = new LanguageTextList(tr("Numerical"), tr("Content"), *this, this);

    QVBoxLayout* left = layOutListPane(*this, tr("Dynamic text properties"), position, texts_);
    for (QGroupBox* box :
         {static_cast<QGroupBox*>(register_), static_cast<QGroupBox*>(attributes_)}) {
        tighten(box);
        left->addWidget(box);
    }
    left->addStretch();

    connect(texts_, &LanguageTextList::rowsEdited, this, [this] { markEdited(); });
    connect(texts_, &LanguageTextList::singleWinEditClicked, this,
            [this] { editChoiceTable(*texts_, record(), kDynamicTextTable, UINT16_MAX); });
    showRecord();
}

rules::DynamicTextForm CDynTextProperty::form() const {
    return {register_->form(), attributes_->form(), texts_->rows()};
}

rules::ConfirmResult<DynamicTextRecord> CDynTextProperty::confirm() const {
    return rules::confirmDynamicText(record(), form());
}

bool CDynTextProperty::apply() {
    if (RecordPane::apply())
        return true;
    // The only refusal: a state text too long for double size.
    attributes_->doubleSize()->setChecked(false);
    return false;
}

void CDynTextProperty::showRecord() {
    const rules::DynamicTextForm f = rules::dynamicTextFormOf(record());
    register_->showForm(f.reg);
    attributes_->showForm(f.attributes);
    texts_->showRows(f.rows);
}

} // namespace zorv
