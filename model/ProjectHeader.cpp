#include "model/ProjectHeader.h"

#include <cstring>

namespace zorv {

ProjectHeader ProjectHeader::makeDefault() {
    ProjectHeader h;
    h.stampSignature();
    h.setU8(kHeaderByte32Off, 8);
    h.setU16(kHeaderWord34Off, 1);
    h.setU16(kDisplayWidthOff, 192);
    h.setU16(kDisplayHeightOff, 64);
    const uint8_t d = uint8_t(RegisterType::D);
    h.setRegisterAt(kSetControlRegOff, {1, d, 4});
    h.setRegisterAt(kPasswordLevelRegOff, {1, d, 3});
    h.setRegisterAt(kPageControlRegOff, {1, d, 0});
    h.setRegisterAt(kCurrentPageRegOff, {1, d, 1});
    h.setRegisterAt(kLanguageRegOff, {1, d, 2});
    h.setFlags(0xC8);
    h.setScreenProtectDelay(120);
    h.setBacklightDelay(180);
    h.setStartPage(1);
    h.setDefaultPage(1);
    h.setScreenSaverPage(1);
    h.setAlarmPage(kNoAlarmPage);
    h.setU16(kUserGlyphBaseOff, 0xC000);
    h.setPasswordLevels(4);
    h.setU8(kByte117Off, 2);
    return h;
}

void ProjectHeader::stampSignature() {
    static constexpr uint8_t kSignature[8] = {0x12, 0x00, 'Z', 'O', 'R', 'V', 'v', '2'};
    static constexpr uint8_t kFormat[4] = {0x00, 0x00, 0x06, 0x00};
    std::memcpy(bytes.data() + kSignatureOff, kSignature, sizeof kSignature);
    std::memcpy(bytes.data() + kFormatOff, kFormat, sizeof kFormat);
}

void ProjectHeader::deriveCurrentPageRegister() {
    RegisterRef r = registerAt(kPageControlRegOff);
    if (flag(sysflag::kAutoTransPage))
        r.address = uint16_t(r.address + 1);
    setRegisterAt(kCurrentPageRegOff, r);
}

} // namespace zorv
