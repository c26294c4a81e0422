#include "panes/CStaticTextProperty.h"

#include <QGridLayout>
#include <QVBoxLayout>

#include "controls/CEditListCtrl.h"
#include "image/ui/TextRowsList.h"
#include "model/widgets/WidgetTexts.h"
#include "panes/LanguageTextList.h"
#include "panes/TextAttributesBox.h"
#include "panes/TypedCellText.h"

namespace zorv {

CStaticTextProperty::CStaticTextProperty(QWidget* parent) : RecordPane(parent) {
    auto* frame = new QGroupBox(tr("Static Text  Attribute"), this);
    auto* position = new PositionBox(frame);
    setPositionBox(position);
    attributes_ = new TextAttributesBox(frame);

    texts_ = new CEditListCtrl(frame);
    texts_->setObjectName("texts");
    texts_->setAccessibleName(tr("Texts"));
    texts_->setColumns({tr("Language1"), tr("Language2")}, {220, 220});
    texts_->setAppendOnDoubleClick(false);

    auto* grid = new QGridLayout(frame);
    grid->addWidget(position, 0, 0, Qt::AlignTop);
    grid->addWidget(attributes_, 0, 1, Qt::AlignTop);
    grid->addWidget(texts_, 1, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    setAccessibleName(tr("Static Text  Attribute"));

    connect(texts_, &QTableWidget::cellChanged, this, &CStaticTextProperty::cellChanged);
    // The row is the text itself: Delete and Insert leave it as it is.
    connect(texts_, &CEditListCtrl::rowDeleted, this, &CStaticTextProperty::showTexts);
    connect(texts_, &CEditListCtrl::rowInserted, this, &CStaticTextProperty::showTexts);
    showRecord();
}

rules::StaticTextForm CStaticTextProperty::form() const {
    return {attributes_->form(), {text_[0], text_[1]}};
}

rules::ConfirmResult<StaticTextRecord> CStaticTextProperty::confirm() const {
    return rules::confirmStaticText(record(), form());
}

bool CStaticTextProperty::apply() {
    if (RecordPane::apply())
        return true;
    attributes_->doubleSize()->setChecked(false);
    return false;
}

std::string CStaticTextProperty::displayText() const {
    // The texts as typed, with the attributes as stored: the canvas shows the text at once.
    StaticTextRecord shown = record();
    for (int lang = 0; lang < 2; ++lang)
        shown.setText(lang, TextSlot::fromBytes(text_[lang]));
    return staticTextOf(shown, context().language);
}

void CStaticTextProperty::showRecord() {
    const rules::StaticTextForm f = rules::staticTextFormOf(record());
    attributes_->showForm(f.attributes);
    text_[0] = f.text[0];
    text_[1] = f.text[1];
    showTexts();
}

void CStaticTextProperty::showTexts() {
    texts_->endEdit(false);
    {
        const QSignalBlocker quiet(texts_);
        texts_->setRowCount(1);
    }
    for (int lang = 0; lang < 2; ++lang)
        showTextCell(*texts_, 0, lang, text_[lang]);
    showRefusedCell(*texts_, *this, refused_);
}

void CStaticTextProperty::cellChanged(int row, int column) {
    if (row != 0 || column < 0 || column > 1)
        return;
    const auto bytes = takeTypedCell(*texts_, row, column, *this, refused_);
    if (!bytes)
        return; // the typed text stays in the cell, the hint says why it is not stored
    const bool changed = *bytes != text_[column];
    text_[column] = *bytes;
    showTextCell(*texts_, row, column, text_[column]);
    if (changed) {
        markEdited();
        emit textChanged();
    }
}

} // namespace zorv
