#include "panes/CWidgetProperty.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include "model/Bytes.h"
#include "model/WidgetKind.h"

namespace zorv {

namespace {
// Every widget record holds its position in display pixels at these offsets.
constexpr std::size_t kXOff = 2, kYOff = 4;

QLineEdit* readOnlyField(QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setReadOnly(true);
    field->setMaximumWidth(80);
    return field;
}
} // namespace

CWidgetProperty::CWidgetProperty(QString typeName, QWidget* parent)
    : PropertyPane(parent), typeName_(std::move(typeName)) {
    auto* frame = new QGroupBox(typeName_, this);
    auto* form = new QFormLayout(frame);
    x_ = readOnlyField(frame);
    y_ = readOnlyField(frame);
    auto* xLabel = new QLabel(tr("X:"), frame);
    auto* yLabel = new QLabel(tr("Y:"), frame);
    xLabel->setBuddy(x_);
    yLabel->setBuddy(y_);
    x_->setAccessibleName(tr("X"));
    y_->setAccessibleName(tr("Y"));
    form->addRow(new QLabel(tr("Coordinates"), frame));
    form->addRow(xLabel, x_);
    form->addRow(yLabel, y_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addStretch();
    setAccessibleName(typeName_);
    record_ = std::vector<uint8_t>(recordSize(kindFromTypeName(typeName_.toStdString())), 0);
}

void CWidgetProperty::loadRecord(std::span<const uint8_t> record, int32_t widgetId) {
    if (record.size() == record_.size())
        record_.assign(record.begin(), record.end());
    setWidgetId(widgetId);
    showPosition();
}

void CWidgetProperty::setPosition(int x, int y) {
    if (record_.size() < kYOff + 2)
        return;
    le::putU16(&record_[kXOff], uint16_t(x));
    le::putU16(&record_[kYOff], uint16_t(y));
    showPosition();
}

void CWidgetProperty::showPosition() {
    if (record_.size() < kYOff + 2)
        return;
    x_->setText(QString::number(le::u16(&record_[kXOff])));
    y_->setText(QString::number(le::u16(&record_[kYOff])));
}

} // namespace zorv
