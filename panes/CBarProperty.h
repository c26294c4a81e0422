#pragma once
// The bar pane "Bar Chart Attribute": the register shown, its number mode, the bar's size in
// pixels, its full- and zero-scale values and its direction.

#include <QComboBox>

#include "model/records/BarRecord.h"
#include "model/rules/BarRules.h"
#include "panes/ChartFields.h"
#include "panes/RecordPane.h"

namespace zorv {

class CBarProperty : public RecordPane<BarRecord> {
    Q_OBJECT
public:
    explicit CBarProperty(QWidget* parent = nullptr);

    QString typeName() const override { return QStringLiteral("Bar"); }
    rules::BarForm form() const;
    const ChartFields& fields() const { return *fields_; }
    QComboBox* direction() const { return direction_; }

protected:
    rules::ConfirmResult<BarRecord> confirm() const override;
    void showRecord() override;

private:
    ChartFields* fields_;
    QComboBox* direction_;
};

} // namespace zorv
