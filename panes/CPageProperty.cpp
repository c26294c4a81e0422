#include "panes/CPageProperty.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "model/EditorViewRules.h"
#include "model/PagePropertiesRecord.h"
#include "panes/PaneFields.h"
#include "platform/CodePageText.h"
#include "platform/Prompt.h"

namespace zorv {

namespace {

SpinField* pageBox(QWidget* parent, int maximum) {
    auto* box = new SpinField(parent);
    box->setRange(0, maximum);
    return box;
}

} // namespace

CPageProperty::CPageProperty(QWidget* parent) : PropertyPane(parent) {
    auto* frame = new QGroupBox(tr("Page Attribute"), this);
    auto* form = new QFormLayout(frame);
    description_ = new QLineEdit(frame);
    description_->setMaxLength(kMaxTypedDescription);
    description_->setAccessibleName(tr("Page description"));
    upPage_ = pageBox(frame, kMaxPage);
    upPage_->setAccessibleName(tr("Up key page"));
    downPage_ = pageBox(frame, kMaxPage);
    downPage_->setAccessibleName(tr("Down key page"));
    level_ = pageBox(frame, 0);
    level_->setAccessibleName(tr("Display level"));

    const std::pair<const char*, QWidget*> rows[] = {
        {"Page description:", description_},
        {"Press Up key to Page :", upPage_},
        {"Press down key to the page:", downPage_},
        {"Display level:", level_},
    };
    for (const auto& [text, field] : rows) {
        auto* label = new QLabel(tr(text), frame);
        label->setBuddy(field);
        form->addRow(label, field);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addStretch();
    setAccessibleName(tr("Page Attribute"));

    connect(description_, &QLineEdit::textEdited, this, &CPageProperty::descriptionEdited);
    for (QSpinBox* box : {upPage_, downPage_, level_})
        connect(box, &QSpinBox::valueChanged, this, &CPageProperty::numberEdited);
    // A field given its value is stored at once, so that the checks follow it.
    watchAccepted(*this, accepting_, [this] {
        if (!loading_ && isVisible())
            emit recordApplied();
    });
}

void CPageProperty::setContext(const PaneContext& context) {
    PropertyPane::setContext(context);
    const QSignalBlocker blocker(level_);
    level_->setMaximum(int(std::min<uint32_t>(context.passwordLevels, 255)));
    level_->setValue(working_.displayLevel);
}

void CPageProperty::loadRecord(std::span<const uint8_t> record, int32_t widgetId) {
    working_ = pagePropertiesFrom(record).value_or(PageProperties{});
    setWidgetId(widgetId);
    showWorking();
}

std::vector<uint8_t> CPageProperty::workingRecord() const {
    return pagePropertiesBytes(working_);
}

void CPageProperty::showWorking() {
    loading_ = true;
    lastGoodText_ =
        QString::fromStdString(codePageToUtf8(working_.description).value_or(working_.description));
    description_->setText(lastGoodText_);
    upPage_->setValue(working_.upPage);
    downPage_->setValue(working_.downPage);
    level_->setValue(working_.displayLevel);
    loading_ = false;
}

void CPageProperty::descriptionEdited(const QString& text) {
    const auto bytes = pageDescriptionBytes(text.toStdString());
    if (!bytes) {
        // A character the project's code page cannot hold is not taken.
        description_->setText(lastGoodText_);
        if (context().prompt)
            context().prompt->message(kDescriptionNotGb2312Message);
        return;
    }
    lastGoodText_ = text;
    working_.description = *bytes;
    emit pageDescriptionChanged();
}

void CPageProperty::numberEdited() {
    if (loading_)
        return;
    const PageProperties before = working_;
    working_.upPage = uint16_t(upPage_->value());
    working_.downPage = uint16_t(downPage_->value());
    working_.displayLevel = uint8_t(level_->value());
    if (working_ != before)
        emit documentModified();
}

} // namespace zorv
