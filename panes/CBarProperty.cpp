#include "panes/CBarProperty.h"

#include <QGroupBox>
#include <QVBoxLayout>

#include "panes/PaneFields.h"

namespace zorv {

CBarProperty::CBarProperty(QWidget* parent) : RecordPane(parent) {
    auto* frame = new QGroupBox(tr("Bar Chart Attribute"), this);
    auto* column = new QVBoxLayout(frame);
    fields_ = new ChartFields(frame);

    auto* position = new PositionBox(frame);
    setPositionBox(position);
    auto* top = new QHBoxLayout;
    top->addWidget(position);
    top->addWidget(fields_->sizeBox(frame));
    top->addStretch();
    column->addLayout(top);
    fields_->addRegisterLines(column, frame);

    auto* display = new QGroupBox(tr("Display"), frame);
    display->setAccessibleName(tr("Display"));
    auto* displayColumn = new QVBoxLayout(display);
    QHBoxLayout* scale = fields_->scaleLine(display);
    direction_ = new QComboBox(display);
    direction_->addItems({tr("Up"), tr("Down"), tr("Left"), tr("Right")});
    direction_->setAccessibleName(tr("Direction"));
    scale->addWidget(buddyLabel(tr("Direction:"), direction_, display));
    scale->addWidget(direction_);
    scale->addStretch();
    displayColumn->addLayout(scale);
    column->addWidget(display);
    column->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame);
    setAccessibleName(tr("Bar Chart Attribute"));
    showRecord();
}

rules::BarForm CBarProperty::form() const {
    return {fields_->reg()->form(), fields_->scale(), fields_->width()->text().toStdString(),
            fields_->height()->text().toStdString(), direction_->currentIndex()};
}

rules::ConfirmResult<BarRecord> CBarProperty::confirm() const {
    return rules::confirmBar(record(), form());
}

void CBarProperty::showRecord() {
    const rules::BarForm f = rules::barFormOf(record());
    fields_->reg()->showForm(f.reg);
    fields_->showScale(f.scale);
    fields_->showSize(f.width, f.height);
    // A stored direction beyond the list shows as the last one, as applying cuts it.
    direction_->setCurrentIndex(std::min<int>(f.direction, BarRecord::Right));
}

} // namespace zorv
