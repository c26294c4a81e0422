#pragma once
// The samples the trend charts of the shown page have taken of their registers. Each chart
// samples at its acquisition interval and keeps as many samples as it has dot positions; a
// full chart drops its oldest sample. The panel's time reaches it through PanelMachine::tick.

#include <cstdint>
#include <deque>
#include <vector>

#include "panel/PanelImage.h"
#include "panel/PanelRegisters.h"

namespace zorv::panel {

struct TrendSamples {
    int position = -1;          // the chart's widget position in its page
    std::deque<int64_t> values; // oldest first
    uint64_t sinceMs = 0;       // time since the last sample
};

class PanelTrendHistory {
public:
    // Time passing on a page: a chart takes its first sample at once, then one per interval.
    void advance(const sim::ImagePage& page, const PanelRegisters& registers, uint32_t ms);
    // The samples of the chart at the widget position; none before its first sample.
    const TrendSamples* of(int position) const;
    void clear() { charts_.clear(); }

private:
    std::vector<TrendSamples> charts_;
};

// How many samples a chart shows: one per dot pitch right of its left axis.
int trendCapacity(const sim::ImageWidget& widget);
// The time between two samples of a chart.
uint64_t trendPeriodMs(const sim::ImageWidget& widget);

} // namespace zorv::panel
