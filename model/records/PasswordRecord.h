#pragma once

#include "model/records/WidgetRecord.h"

namespace zorv {

struct PasswordRecord : WidgetRecord<12, WidgetKind::Password> {
    static constexpr std::size_t kLevelOff = 1, kInvertedOff = 6, kModeOff = 7;
    static constexpr std::size_t kSuccessPageOff = 8, kFailurePageOff = 10;
    enum Mode : uint8_t { Lock = 0, Comparison = 1, Temporary = 2, Update = 3 };

    static PasswordRecord makeDefault() { return PasswordRecord{}; }

    // Low nibble: the password level; high nibble: the flag value of the password dialog.
    uint8_t level() const { return u8(kLevelOff) & 0x0F; }
    uint8_t levelFlag() const { return u8(kLevelOff) >> 4; }
    void setLevel(uint8_t level, uint8_t flag) {
        setU8(kLevelOff, uint8_t(((flag & 0x0F) << 4) | (level & 0x0F)));
    }
    bool inverted() const { return u8(kInvertedOff) == 1; }
    void setInverted(bool on) { setU8(kInvertedOff, on ? 1 : 0); }
    uint8_t mode() const { return u8(kModeOff); }
    void setMode(uint8_t v) { setU8(kModeOff, v); }
    uint16_t successPage() const { return u16(kSuccessPageOff); }
    void setSuccessPage(uint16_t v) { setU16(kSuccessPageOff, v); }
    uint16_t failurePage() const { return u16(kFailurePageOff); }
    void setFailurePage(uint16_t v) { setU16(kFailurePageOff, v); }
};
static_assert(sizeof(PasswordRecord) == 12);

} // namespace zorv
