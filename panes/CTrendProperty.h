#pragma once
// The trend pane "Trend Chart Attribute": as the bar pane without a direction, plus the dot
// pitch and the acquisition interval. Data depth and chart width are kept as stored, in fields
// that exist but are not shown.

#include <QLineEdit>

#include "model/records/TrendRecord.h"
#include "model/rules/TrendRules.h"
#include "panes/ChartPane.h"

namespace zorv {

class CTrendProperty : public ChartPane<TrendRecord> {
    Q_OBJECT
public:
    explicit CTrendProperty(QWidget* parent = nullptr);

    QString typeName() const override { return QStringLiteral("Trend"); }
    rules::TrendForm form() const;
    CNumberEdit* dotPitch() const { return dotPitch_; }
    CNumberEdit* interval() const { return interval_; }

protected:
    rules::ConfirmResult<TrendRecord> confirm() const override;
    void showRecord() override;

private:
    CNumberEdit* dotPitch_;
    CNumberEdit* interval_;
    QLineEdit* depth_;
    QLineEdit* chartWidth_;
};

} // namespace zorv
