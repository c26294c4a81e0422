#pragma once

#include "model/records/WidgetRecord.h"

namespace zorv {

// A bar that grows with a register value.
struct BarRecord : WidgetRecord<28, WidgetKind::Bar> {
    static constexpr std::size_t kStationOff = 6, kTypeOff = 7, kAddressOff = 8;
    static constexpr std::size_t kCountOff = 10, kNumberFlagsOff = 11;
    static constexpr std::size_t kWidthOff = 12, kHeightOff = 14, kDirectionOff = 16;
    static constexpr std::size_t kFullScaleOff = 20, kZeroScaleOff = 24;
    enum Direction : uint16_t { Up = 0, Down = 1, Left = 2, Right = 3 };

    static BarRecord makeDefault() {
        BarRecord r;
        r.setRegister({1, uint8_t(RegisterType::D), 0});
        r.setRegisterCount(1);
        r.setWidth(16);
        r.setHeight(48);
        r.setFullScale(65535);
        return r;
    }

    RegisterRef reg() const { return registerAt(kStationOff, kTypeOff, kAddressOff); }
    void setRegister(const RegisterRef& v) { setRegisterAt(kStationOff, kTypeOff, kAddressOff, v); }
    uint8_t registerCount() const { return u8(kCountOff); }
    void setRegisterCount(uint8_t v) { setU8(kCountOff, v); }
    uint8_t numberFlags() const { return u8(kNumberFlagsOff); }
    void setNumberFlags(uint8_t v) { setU8(kNumberFlagsOff, v); }
    uint16_t width() const { return u16(kWidthOff); }
    void setWidth(uint16_t v) { setU16(kWidthOff, v); }
    uint16_t height() const { return u16(kHeightOff); }
    void setHeight(uint16_t v) { setU16(kHeightOff, v); }
    uint16_t direction() const { return u16(kDirectionOff); }
    void setDirection(uint16_t v) { setU16(kDirectionOff, v); }
    // Scale values are stored as 32 bits; two unsigned registers reach 4294967295.
    uint32_t fullScaleBits() const { return u32(kFullScaleOff); }
    uint32_t zeroScaleBits() const { return u32(kZeroScaleOff); }
    int32_t fullScale() const { return i32(kFullScaleOff); }
    void setFullScale(int64_t v) { setU32(kFullScaleOff, uint32_t(v)); }
    int32_t zeroScale() const { return i32(kZeroScaleOff); }
    void setZeroScale(int64_t v) { setU32(kZeroScaleOff, uint32_t(v)); }
};
static_assert(sizeof(BarRecord) == 28);

} // namespace zorv
