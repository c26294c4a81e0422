#pragma once
// The system parameters of a project (120 bytes, stored verbatim in the project file).

#include "model/Bytes.h"
#include "model/RegisterRef.h"

namespace zorv {

namespace sysflag {
constexpr uint8_t kAutoTransPage = 1u << 0;      // the controller selects the page
constexpr uint8_t kReportCurrentPage = 1u << 1;  // the panel reports its page number
constexpr uint8_t kRegisterSetControl = 1u << 2; // register setting control
constexpr uint8_t kAutoAlarmPage = 1u << 3;
constexpr uint8_t kMultiLanguage = 1u << 4;
constexpr uint8_t kReportPasswordLevel = 1u << 5;
constexpr uint8_t kBacklightOff = 1u << 6;
constexpr uint8_t kScreenProtection = 1u << 7;
} // namespace sysflag

struct ProjectHeader : FixedRecord<120> {
    static constexpr std::size_t kSignatureOff = 0, kSignatureTextOff = 2, kFormatOff = 28;
    static constexpr std::size_t kHeaderByte32Off = 32, kHeaderWord34Off = 34;
    static constexpr std::size_t kDisplayWidthOff = 36, kDisplayHeightOff = 38;
    static constexpr std::size_t kSetControlRegOff = 40, kPasswordLevelRegOff = 44;
    static constexpr std::size_t kPageControlRegOff = 48, kCurrentPageRegOff = 52;
    static constexpr std::size_t kLanguageRegOff = 56, kFlagsOff = 60;
    static constexpr std::size_t kScreenProtectDelayOff = 62, kBacklightDelayOff = 66;
    static constexpr std::size_t kStartPageOff = 68, kDefaultPageOff = 70;
    static constexpr std::size_t kScreenSaverPageOff = 72, kAlarmPageOff = 74;
    static constexpr std::size_t kPageCountOff = 76, kUserGlyphBaseOff = 78;
    static constexpr std::size_t kSectionOffsetsOff = 80, kSectionOffsetsSize = 28;
    static constexpr std::size_t kPasswordLevelsOff = 108, kByte117Off = 117;

    static constexpr uint16_t kNoAlarmPage = 0xFFFF;

    static ProjectHeader makeDefault();
    // Sets bytes 0..7 to 12 00 "ZORVv2" and 28..31 to 00 00 06 00, as every save does.
    void stampSignature();

    RegisterRef registerAt(std::size_t off) const { return {u8(off), u8(off + 1), u16(off + 2)}; }
    void setRegisterAt(std::size_t off, const RegisterRef& r) {
        setU8(off, r.station);
        setU8(off + 1, r.type);
        setU16(off + 2, r.address);
    }

    uint8_t flags() const { return u8(kFlagsOff); }
    void setFlags(uint8_t v) { setU8(kFlagsOff, v); }
    bool flag(uint8_t bit) const { return (flags() & bit) != 0; }
    uint16_t screenProtectDelay() const { return u16(kScreenProtectDelayOff); }
    void setScreenProtectDelay(uint16_t v) { setU16(kScreenProtectDelayOff, v); }
    uint16_t backlightDelay() const { return u16(kBacklightDelayOff); }
    void setBacklightDelay(uint16_t v) { setU16(kBacklightDelayOff, v); }
    uint16_t startPage() const { return u16(kStartPageOff); }
    void setStartPage(uint16_t v) { setU16(kStartPageOff, v); }
    uint16_t defaultPage() const { return u16(kDefaultPageOff); }
    void setDefaultPage(uint16_t v) { setU16(kDefaultPageOff, v); }
    uint16_t screenSaverPage() const { return u16(kScreenSaverPageOff); }
    void setScreenSaverPage(uint16_t v) { setU16(kScreenSaverPageOff, v); }
    uint16_t alarmPage() const { return u16(kAlarmPageOff); }
    void setAlarmPage(uint16_t v) { setU16(kAlarmPageOff, v); }
    uint16_t pageCount() const { return u16(kPageCountOff); }
    void setPageCount(uint16_t v) { setU16(kPageCountOff, v); }
    uint16_t userGlyphBase() const { return u16(kUserGlyphBaseOff); }
    uint32_t passwordLevels() const { return u32(kPasswordLevelsOff); }
    void setPasswordLevels(uint32_t v) { setU32(kPasswordLevelsOff, v); }

    // The current page number register follows the page control register: same station and
    // type, and the next address when the controller switches pages automatically.
    void deriveCurrentPageRegister();
};
static_assert(sizeof(ProjectHeader) == 120);

} // namespace zorv
