#pragma once

#include "model/records/ChoiceTable.h"
#include "model/records/RecordParts.h"

namespace zorv {

// A text chosen by the value of a register; up to 32 states.
struct DynamicTextRecord : ChoiceRecord<1956, WidgetKind::DynamicText, 36, 32, 24>,
                           RegisterPart<DynamicTextRecord> {
    static constexpr std::size_t kStationOff = 6, kTypeOff = 7, kAddressOff = 8;
    static constexpr std::size_t kAttributesOff = 10, kDisplayModeOff = 20;

    static DynamicTextRecord makeDefault() {
        DynamicTextRecord r;
        r.setRegister({1, uint8_t(RegisterType::D), 0});
        r.setCount(1);
        r.setWidth(0, 10);
        ChoiceEntry state;
        state.used = true;
        state.text[0] = TextSlot::fromBytes("DynamicStr");
        r.setEntry(0, state);
        return r;
    }

    uint8_t attributes() const { return u8(kAttributesOff); }
    void setAttributes(uint8_t v) { setU8(kAttributesOff, v); }
    int32_t displayMode() const { return i32(kDisplayModeOff); }
    void setDisplayMode(int32_t v) { setI32(kDisplayModeOff, v); }
};
static_assert(sizeof(DynamicTextRecord) == 1956);

} // namespace zorv
