#include "panel/PanelTrendHistory.h"

#include <algorithm>

#include "model/records/TrendRecord.h"
#include "panel/PanelChartScale.h"
#include "panel/PanelDecisions.h"

namespace zorv::panel {

int trendCapacity(const sim::ImageWidget& widget) {
    const auto r = headRecord<TrendRecord>(widget);
    const int pitch = std::max<int>(r.dotPitch(), 1);
    return std::max((int(r.width()) - 1 - kTrendAxisInset) / pitch, 0);
}

uint64_t trendPeriodMs(const sim::ImageWidget& widget) {
    const uint16_t interval = headRecord<TrendRecord>(widget).interval();
    return uint64_t(std::max<uint16_t>(interval, 1)) * kTrendIntervalMs;
}

void PanelTrendHistory::advance(const sim::ImagePage& page, const PanelRegisters& registers,
                                uint32_t ms) {
    for (std::size_t i = 0; i < page.widgets.size(); ++i) {
        const sim::ImageWidget& w = page.widgets[i];
        if (w.kind != WidgetKind::Trend)
            continue;
        const int position = int(i);
        auto chart = std::find_if(charts_.begin(), charts_.end(),
                                  [&](const TrendSamples& s) { return s.position == position; });
        const std::size_t capacity = std::size_t(trendCapacity(w));
        const uint64_t period = trendPeriodMs(w);
        uint64_t due = 0;
        if (chart == charts_.end()) {
            charts_.push_back({position, {}, 0});
            chart = charts_.end() - 1;
            due = 1;
        }
        chart->sinceMs += ms;
        due += chart->sinceMs / period;
        chart->sinceMs %= period;
        // The value is read once: time passing in one step holds it over every sample taken.
        const int64_t value = chartValue(headRecord<TrendRecord>(w), registers);
        for (uint64_t k = 0; k < std::min<uint64_t>(due, capacity); ++k) {
            if (chart->values.size() >= capacity)
                chart->values.pop_front();
            chart->values.push_back(value);
        }
    }
}

const TrendSamples* PanelTrendHistory::of(int position) const {
    const auto it = std::find_if(charts_.begin(), charts_.end(),
                                 [&](const TrendSamples& s) { return s.position == position; });
    return it == charts_.end() ? nullptr : &*it;
}

} // namespace zorv::panel
