#pragma once

#include "model/records/RecordParts.h"

namespace zorv {

// A panel key bound to an action.
struct KeyRecord : WidgetRecord<36, WidgetKind::Key>,
                   RegisterPart<KeyRecord>,
                   SymbolPart<KeyRecord> {
    static constexpr std::size_t kKeyCodeOff = 1, kAttributesOff = 6, kActionOff = 7;
    static constexpr std::size_t kHandOff = 8, kStationOff = 10, kTypeOff = 11, kAddressOff = 12;
    static constexpr std::size_t kValueOff = 14, kLimitOff = 18;
    static constexpr std::size_t kSymbolLengthOff = 20, kSymbolTextOff = 21, kWorkingOff = 32;

    // Bits of the attribute byte.
    static constexpr uint8_t kInverted = 1u << 0, kDoubleSize = 1u << 4, kInvisible = 1u << 6,
                             kEncrypted = 1u << 7;
    // Bits of the action byte: bits 0..1 the action, then its options.
    static constexpr uint8_t kActionMask = 3, kDecrease = 1u << 4, kLimiting = 1u << 6,
                             kSigned = 1u << 7;
    enum Action : uint8_t { SetCoil = 0, ScreenJump = 1, SetRegister = 2, RegisterStep = 3 };
    static constexpr uint16_t kJumpToAlarmList = 0xFFFF;
    static constexpr uint8_t kEscKeyCode = 18;
    static constexpr uint8_t kHandGlyph = 0x1A;

    static KeyRecord makeDefault() {
        KeyRecord r;
        r.setKeyCode(kEscKeyCode);
        r.setRegister({1, uint8_t(RegisterType::D), 0});
        return r;
    }

    uint8_t keyCode() const { return u8(kKeyCodeOff); }
    void setKeyCode(uint8_t v) { setU8(kKeyCodeOff, v); }
    uint8_t attributes() const { return u8(kAttributesOff); }
    void setAttributes(uint8_t v) { setU8(kAttributesOff, v); }
    uint8_t actionByte() const { return u8(kActionOff); }
    void setActionByte(uint8_t v) { setU8(kActionOff, v); }
    uint8_t action() const { return actionByte() & kActionMask; }
    bool hand() const { return u16(kHandOff) == 1; }
    void setHand(bool on) { setU16(kHandOff, on ? 1 : 0); }
    uint16_t value() const { return u16(kValueOff); }
    void setValue(uint16_t v) { setU16(kValueOff, v); }
    uint16_t limit() const { return u16(kLimitOff); }
    void setLimit(uint16_t v) { setU16(kLimitOff, v); }
};
static_assert(sizeof(KeyRecord) == 36);

} // namespace zorv
