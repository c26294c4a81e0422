#include "panes/CTrendProperty.h"

#include <QGroupBox>
#include <QVBoxLayout>

#include "panes/PaneFields.h"

namespace zorv {

CTrendProperty::CTrendProperty(QWidget* parent) : RecordPane(parent) {
    auto* frame = new QGroupBox(tr("Trend Chart Attribute"), this);
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
    scale->addStretch();
    displayColumn->addLayout(scale);
    dotPitch_ = numberField(tr("Dot-Pitch"), 0, UINT32_MAX, display);
    interval_ = numberField(tr("Acquisition Interval"), 0, UINT32_MAX, display);
    depth_ = readOnlyField(tr("Data depth"), display);
    chartWidth_ = readOnlyField(tr("Chart width"), display);
    auto* sampling = new QHBoxLayout;
    sampling->addWidget(buddyLabel(tr("Dot-Pitch:"), dotPitch_, display));
    sampling->addWidget(dotPitch_);
    sampling->addWidget(buddyLabel(tr("Acquisition Interval:"), interval_, display));
    sampling->addWidget(interval_);
    for (auto [text, field] :
         {std::pair{tr("Data depth："), depth_}, std::pair{tr("Chart width:"), chartWidth_}}) {
        QLabel* label = buddyLabel(text, field, display);
        label->hide();
        field->hide();
        sampling->addWidget(label);
        sampling->addWidget(field);
    }
    sampling->addStretch();
    displayColumn->addLayout(sampling);
    column->addWidget(display);
    column->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame);
    setAccessibleName(tr("Trend Chart Attribute"));
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
    fields_->reg()->showForm(f.reg);
    fields_->showScale(f.scale);
    fields_->showSize(f.width, f.height);
    dotPitch_->setText(QString::fromStdString(f.dotPitch));
    interval_->setText(QString::fromStdString(f.interval));
    depth_->setText(QString::number(record().depth()));
    chartWidth_->setText(QString::number(record().chartWidth()));
}

} // namespace zorv
