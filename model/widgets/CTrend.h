#pragma once

#include "model/widgets/CChartWidget.h"

namespace zorv {

// A trend chart: a grey background, two axes, five ticks and a sample curve.
class CTrend : public CChartWidget {
public:
    CTrend();
    oonedraw::GObject* NewInstance() const override { return new CTrend; }
    void DrawShape() override;
};

} // namespace zorv
