#pragma once

#include "model/records/WidgetRecord.h"

namespace zorv {

// A chart of a register sampled over time.
struct TrendRecord : WidgetRecord<36, WidgetKind::Trend> {
    static constexpr std::size_t kWidthOff = 6, kHeightOff = 8;
    static constexpr std::size_t kStationOff = 12, kTypeOff = 13, kAddressOff = 14;
    static constexpr std::size_t kCountOff = 16, kNumberFlagsOff = 17, kIntervalOff = 18;
    static constexpr std::size_t kDepthOff = 20, kChartWidthOff = 22, kDotPitchOff = 24;
    static constexpr std::size_t kFullScaleOff = 28, kZeroScaleOff = 32;

    static TrendRecord makeDefault() {
        TrendRecord r;
        r.setWidth(96);
        r.setHeight(48);
        r.setRegister({1, uint8_t(RegisterType::D), 0});
        r.setRegisterCount(1);
        r.setInterval(5);
        r.setDepth(91);
        r.setChartWidth(43);
        r.setDotPitch(2);
        r.setFullScale(65535);
        return r;
    }

    uint16_t width() const { return u16(kWidthOff); }
    void setWidth(uint16_t v) { setU16(kWidthOff, v); }
    uint16_t height() const { return u16(kHeightOff); }
    void setHeight(uint16_t v) { setU16(kHeightOff, v); }
    RegisterRef reg() const { return registerAt(kStationOff, kTypeOff, kAddressOff); }
    void setRegister(const RegisterRef& v) { setRegisterAt(kStationOff, kTypeOff, kAddressOff, v); }
    uint8_t registerCount() const { return u8(kCountOff); }
    void setRegisterCount(uint8_t v) { setU8(kCountOff, v); }
    uint8_t numberFlags() const { return u8(kNumberFlagsOff); }
    void setNumberFlags(uint8_t v) { setU8(kNumberFlagsOff, v); }
    uint16_t interval() const { return u16(kIntervalOff); }
    void setInterval(uint16_t v) { setU16(kIntervalOff, v); }
    uint16_t depth() const { return u16(kDepthOff); }
    void setDepth(uint16_t v) { setU16(kDepthOff, v); }
    uint16_t chartWidth() const { return u16(kChartWidthOff); }
    void setChartWidth(uint16_t v) { setU16(kChartWidthOff, v); }
    uint8_t dotPitch() const { return u8(kDotPitchOff); }
    void setDotPitch(uint8_t v) { setU8(kDotPitchOff, v); }
    uint32_t fullScaleBits() const { return u32(kFullScaleOff); }
    uint32_t zeroScaleBits() const { return u32(kZeroScaleOff); }
    int32_t fullScale() const { return i32(kFullScaleOff); }
    void setFullScale(int64_t v) { setU32(kFullScaleOff, uint32_t(v)); }
    int32_t zeroScale() const { return i32(kZeroScaleOff); }
    void setZeroScale(int64_t v) { setU32(kZeroScaleOff, uint32_t(v)); }
};
static_assert(sizeof(TrendRecord) == 36);

} // namespace zorv
