#include "panes/CTrendProperty.h"

#include "panes/PaneFields.h"

namespace zorv {

CTrendProperty::CTrendProperty(QWidget* parent) : ChartPane(tr("Trend Chart Attribute"), parent) {
    scaleLine_->addStretch();
    dotPitch_ = numberField(tr("Dot-Pitch"), 0, UINT32_MAX, display_);
    interval_ = numberField(tr("Acquisition Interval"), 0, UINT32_MAX, display_);
    depth_ = readOnlyField(tr("Data depth"), display_);
    chartWidth_ = readOnlyField(tr("Chart width"), display_);
    auto* sampling = new QHBoxLayout;
    sampling->addWidget(buddyLabel(tr("Dot-Pitch:"), dotPitch_, display_));
    sampling->addWidget(dotPitch_);
    sampling->addWidget(buddyLabel(tr("Acquisition Interval:"), interval_, display_));
    sampling->addWidget(interval_);
    for (auto [text, field] :
         {std::pair{tr("Data depth："), depth_}, std::pair{tr("Chart width:"), chartWidth_}}) {
        QLabel* label = buddyLabel(text, field, display_);
        label->hide();
        field->hide();
        sampling->addWidget(label);
        sampling->addWidget(field);
    }
    sampling->addStretch();
    displayColumn_->addLayout(sampling);
    fields_->describeSizes(tr("A trend chart"));
    showRecord();
}

rules::TrendForm CTrendProperty::form() const {
    return {fields_->reg()->form(),
            fields_->scale(),
            fields_->width()->text().toStdString(),
            fields_->height()->text().toStdString(),
            dotPitch_->text().toStdString(),
            interval_->text().toStdString()};
}

rules::ConfirmResult<TrendRecord> CTrendProperty::confirm() const {
    return rules::confirmTrend(record(), form());
}

void CTrendProperty::showRecord() {
    const rules::TrendForm f = rules::trendFormOf(record());
    showChartForm(f);
    dotPitch_->setText(QString::fromStdString(f.dotPitch));
    interval_->setText(QString::fromStdString(f.interval));
    depth_->setText(QString::number(record().depth()));
    chartWidth_->setText(QString::number(record().chartWidth()));
}

} // namespace zorv
