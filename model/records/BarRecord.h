#pragma once

#include "model/records/RecordParts.h"

namespace zorv {

// A bar that grows with a register value.
struct BarRecord : WidgetRecord<28, WidgetKind::Bar>,
                   RegisterPart<BarRecord>,
                   ScalePart<BarRecord>,
                   SizePart<BarRecord> {
    static constexpr std::size_t kStationOff = 6, kTypeOff = 7, kAddressOff = 8;
    static constexpr std::size_t kCountOff = 10, kNumberFlagsOff = 11;
    static constexpr std::size_t kWidthOff = 12, kHeightOff = 14, kDirectionOff = 16;
    static constexpr std::size_t kFullScaleOff = 20, kZeroScaleOff = 24;
    enum Direction : uint16_t { Up = 0, Down = 1, Left = 2, Right = 3 };

    static BarRecord makeDefault() {
        BarRecord r;
        r.setNewValue();
        r.setWidth(16);
        r.setHeight(48);
        return r;
    }

    uint16_t direction() const { return u16(kDirectionOff); }
    void setDirection(uint16_t v) { setU16(kDirectionOff, v); }
};
static_assert(sizeof(BarRecord) == 28);

} // namespace zorv
