#include "panes/CBarProperty.h"

#include "panes/PaneFields.h"

namespace zorv {

CBarProperty::CBarProperty(QWidget* parent) : ChartPane(tr("Bar Chart Attribute"), parent) {
    direction_ = new QComboBox(display_);
    direction_->addItems({tr("Up"), tr("Down"), tr("Left"), tr("Right")});
    direction_->setAccessibleName(tr("Direction"));
    scaleLine_->addWidget(buddyLabel(tr("Direction:"), direction_, display_));
    scaleLine_->addWidget(direction_);
    scaleLine_->addStretch();
    fields_->describeSizes(tr("A bar graph"));
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
    showChartForm(f);
    // A stored direction beyond the list shows as the last one, as applying cuts it.
    direction_->setCurrentIndex(std::min<int>(f.direction, BarRecord::Right));
}

} // namespace zorv
