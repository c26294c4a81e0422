#pragma once

#include "model/widgets/CChartWidget.h"

namespace zorv {

// A bar graph: an outline a third full in its direction of growth, with a scale of five ticks.
class CBar : public CChartWidget {
public:
    CBar();
    oonedraw::GObject* NewInstance() const override { return new CBar; }
    void DrawShape() override;

    // The record's direction: 0 Up, 1 Down, 2 Left, 3 Right; other values draw as Up.
    uint16_t direction = 0;
};

} // namespace zorv
