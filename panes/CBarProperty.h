#pragma once
// The bar pane "Bar Chart Attribute": the register shown, its number mode, the bar's size in
// pixels, its full- and zero-scale values and its direction.

#include <QComboBox>

#include "model/records/BarRecord.h"
#include "model/rules/BarRules.h"
#include "panes/ChartPane.h"

namespace zorv {

class CBarProperty : public ChartPane<BarRecord> {
    Q_OBJECT
public:
    explicit CBarProperty(QWidget* parent = nullptr);

    QString typeName() const override { return QStringLiteral("Bar"); }
    rules::BarForm form() const;
    QComboBox* direction() const { return direction_; }

protected:
    rules::ConfirmResult<BarRecord> confirm() const override;
    void showRecord() override;

private:
    QComboBox* direction_;
};

} // namespace zorv
