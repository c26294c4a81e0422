#pragma once

#include "model/records/RecordParts.h"

namespace zorv {

// A chart of a register sampled over time.
struct TrendRecord : WidgetRecord<36, WidgetKind::Trend>,
                     RegisterPart<TrendRecord>,
                     ScalePart<TrendRecord>,
                     SizePart<TrendRecord> {
    static constexpr std::size_t kWidthOff = 6, kHeightOff = 8;
    static constexpr std::size_t kStationOff = 12, kTypeOff = 13, kAddressOff = 14;
    static constexpr std::size_t kCountOff = 16, kNumberFlagsOff = 17, kIntervalOff = 18;
    static constexpr std::size_t kDepthOff = 20, kChartWidthOff = 22, kDotPitchOff = 24;
    static constexpr std::size_t kFullScaleOff = 28, kZeroScaleOff = 32;

    static TrendRecord makeDefault() {
        TrendRecord r;
        r.setWidth(96);
        r.setHeight(48);
        r.setNewValue();
        r.setInterval(5);
        r.setDepth(91);
        r.setChartWidth(43);
        r.setDotPitch(2);
        return r;
    }

    uint16_t interval() const { return u16(kIntervalOff); }
    void setInterval(uint16_t v) { setU16(kIntervalOff, v); }
    uint16_t depth() const { return u16(kDepthOff); }
    void setDepth(uint16_t v) { setU16(kDepthOff, v); }
    uint16_t chartWidth() const { return u16(kChartWidthOff); }
    void setChartWidth(uint16_t v) { setU16(kChartWidthOff, v); }
    uint8_t dotPitch() const { return u8(kDotPitchOff); }
    void setDotPitch(uint8_t v) { setU8(kDotPitchOff, v); }
};
static_assert(sizeof(TrendRecord) == 36);

} // namespace zorv
