// The header step of the translation: system parameters and delays from the older header.
#include "image/older/OlderHeader.h"

#include <algorithm>

#include "image/Translator.h"
#include "model/Bytes.h"
#include "model/RegisterRef.h"

namespace zorv {

uint16_t olderTimeoutSeconds(uint8_t code) {
    static constexpr uint16_t kLong[] = {300, 600, 900, 1200, 1800, 2700, 3600};
    if (code <= 3)
        return uint16_t(code * 60);
    if (code <= 10)
        return kLong[code - 4];
    return 0;
}

namespace older {

void translateHeader(std::span<const uint8_t> file, ProjectHeader& h) {
    static constexpr uint8_t kTranslatedSignature[8] = {0x06, 'Z', 'O', 'R', 'V', 0x08, 'v', '2'};
    std::copy(std::begin(kTranslatedSignature), std::end(kTranslatedSignature), h.bytes.begin());
    std::fill(h.bytes.begin() + 8, h.bytes.begin() + 28, uint8_t(0));
    static constexpr uint8_t kFormat[6] = {2, 0, 0, 0, 20, 0};
    std::copy(std::begin(kFormat), std::end(kFormat), h.bytes.begin() + 28);
    h.setU16(ProjectHeader::kHeaderWord34Off, 1);
    h.setU16(ProjectHeader::kDisplayWidthOff, 192);
    h.setU16(ProjectHeader::kDisplayHeightOff, 64);
    h.setPasswordLevels(le::u16(&file[11]));
    h.setU16(112, 0);
    h.setU16(114, 0);
    h.setU8(116, 0);
    h.setU8(ProjectHeader::kByte117Off, 1); // one language

    const uint8_t b = file[22], a = file[29];
    uint8_t flags = uint8_t(a != 0 ? b - 128 : b + 64);
    flags &= uint8_t(~(sysflag::kMultiLanguage | sysflag::kReportPasswordLevel));
    flags |= sysflag::kAutoAlarmPage | sysflag::kBacklightOff;
    h.setFlags(flags);

    const uint16_t pageControl = le::u16(&file[16]);
    const uint8_t d = uint8_t(RegisterType::D);
    h.setRegisterAt(ProjectHeader::kPageControlRegOff, {1, d, pageControl});
    h.setRegisterAt(ProjectHeader::kCurrentPageRegOff, {1, d, uint16_t(pageControl + 1)});

    const uint16_t delay = olderTimeoutSeconds(file[21]);
    h.setScreenProtectDelay(delay);
    h.setBacklightDelay(delay);

    h.setU8(100, 2);
    h.setU8(101, 12);
    h.setPageCount(le::u16(&file[128]));
    h.setStartPage(le::u16(&file[13]));
    h.setDefaultPage(le::u16(&file[19]));
    h.setScreenSaverPage(le::u16(&file[19]));
    h.setU16(ProjectHeader::kUserGlyphBaseOff, 0xC000);
    h.setAlarmPage(ProjectHeader::kNoAlarmPage);
}

} // namespace older

} // namespace zorv
