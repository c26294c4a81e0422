#include "panes/CPictureProperty.h"

#include <QGridLayout>
#include <QVBoxLayout>
#include <algorithm>

namespace zorv {

CPictureProperty::CPictureProperty(QWidget* parent) : PropertyPane(parent) {
    auto* frame = new QGroupBox(tr("Picture Attribute"), this);
    position_ = new PositionBox(frame);
    auto* size = new QGroupBox(tr("Size"), frame);
    width_ = readOnlyNumberField(size, tr("Picture width"));
    height_ = readOnlyNumberField(size, tr("Picture height"));
    auto* sizeGrid = new QGridLayout(size);
    addLabelled(sizeGrid, 0, 0, tr("Wide:"), width_);
    addLabelled(sizeGrid, 0, 2, tr("High:"), height_);
    auto* grid = new QGridLayout(frame);
    grid->addWidget(position_, 0, 0);
    grid->addWidget(size, 0, 1);
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    setAccessibleName(tr("Picture Attribute"));
    showWorking();
}

void CPictureProperty::loadRecord(std::span<const uint8_t> record, int32_t widgetId) {
    working_ = PictureRecord::makeDefault();
    if (record.size() == PictureRecord::kSize)
        std::copy(record.begin(), record.end(), working_.bytes.begin());
    setWidgetId(widgetId);
    showWorking();
}

std::vector<uint8_t> CPictureProperty::workingRecord() const {
    return {working_.bytes.begin(), working_.bytes.end()};
}

void CPictureProperty::setPosition(int x, int y) {
    working_.setX(uint16_t(x));
    working_.setY(uint16_t(y));
    showWorking();
}

void CPictureProperty::setPictureSize(int width, int height) {
    working_.setSize(uint16_t(std::clamp(width, 0, 0xFFFF)),
                     uint16_t(std::clamp(height, 0, 0xFFFF)));
    showWorking();
}

void CPictureProperty::showWorking() {
    position_->showPosition(working_.x(), working_.y());
    width_->setText(QString::number(working_.width()));
    height_->setText(QString::number(working_.height()));
}

} // namespace zorv
