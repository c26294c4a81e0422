#include "image/SystemParameters.h"

#include "model/rules/NumberEntry.h"

#include <cctype>
#include <cstdio>

namespace zorv {

int32_t dialogDecimal(std::string_view text) {
    return int32_t(rules::cutToRange(rules::parseDecimal(text), INT32_MIN, INT32_MAX));
}

namespace {

std::string decimal(unsigned v) {
    return std::to_string(v);
}
uint16_t field16(const std::string& text) {
    return uint16_t(dialogDecimal(text));
}

RegisterFields registerFields(const ProjectHeader& h, std::size_t off, uint8_t flagBit) {
    return {h.flag(flagBit), uint8_t(RegisterType::D), decimal(h.registerAt(off).address)};
}

// Type and address from the dialog; the station stays as the project holds it.
void storeRegister(ProjectHeader& h, std::size_t off, uint8_t type, const std::string& address) {
    RegisterRef r = h.registerAt(off);
    r.type = type;
    r.address = field16(address);
    h.setRegisterAt(off, r);
}

uint8_t withBit(uint8_t flags, uint8_t bit, bool on) {
    return on ? uint8_t(flags | bit) : uint8_t(flags & ~bit);
}

std::string corresponding(int address) {
    char text[48];
    std::snprintf(text, sizeof text, "Corresponding to %s%d", "D", address);
    return text;
}

} // namespace

SystemParameterFields openSystemParameters(const ProjectHeader& h) {
    SystemParameterFields f;
    f.passwordLevels = decimal(h.passwordLevels());
    f.startPage = decimal(h.startPage());
    f.defaultPage = decimal(h.defaultPage());
    f.alarmPage = decimal(h.alarmPage());
    f.screenProtection = h.flag(sysflag::kScreenProtection);
    f.screenDelay = decimal(h.screenProtectDelay());
    f.screenSaverPage = decimal(h.screenSaverPage());
    f.backlightOff = h.flag(sysflag::kBacklightOff);
    f.backlightDelay = decimal(h.backlightDelay());
    f.autoAlarmPage = h.flag(sysflag::kAutoAlarmPage);
    f.autoTransPage = h.flag(sysflag::kAutoTransPage);
    f.reportCurrentPage = h.flag(sysflag::kReportCurrentPage);
    f.pageControlAddress = decimal(h.registerAt(ProjectHeader::kPageControlRegOff).address);
    f.language = registerFields(h, ProjectHeader::kLanguageRegOff, sysflag::kMultiLanguage);
    f.passwordLevel =
        registerFields(h, ProjectHeader::kPasswordLevelRegOff, sysflag::kReportPasswordLevel);
    f.registerSetControl =
        registerFields(h, ProjectHeader::kSetControlRegOff, sysflag::kRegisterSetControl);
    return f;
}

SystemParameterEnabling systemParameterEnabling(const SystemParameterFields& f) {
    return {f.screenProtection,
            f.screenProtection,
            f.backlightOff,
            f.autoTransPage || f.reportCurrentPage,
            f.language.enabled,
            f.passwordLevel.enabled,
            f.registerSetControl.enabled};
}

PageControlLabels pageControlLabels(bool autoTransPage, bool reportCurrentPage,
                                    std::string_view pageControlAddress) {
    int a = dialogDecimal(pageControlAddress);
    PageControlLabels labels;
    if (autoTransPage)
        labels.autoTrans = corresponding(a++);
    if (reportCurrentPage)
        labels.reportCurrent = corresponding(a);
    return labels;
}

bool confirmSystemParameters(const SystemParameterFields& f, ProjectHeader& h, Prompt& prompt) {
    // A refused count is not stored: the dialog edits the header in place, and a count kept
    // there would survive a later "CANCEL".
    const int32_t levels = dialogDecimal(f.passwordLevels);
    if (levels >= 5 || levels < 0) {
        prompt.message(kPasswordLevelMessage);
        return false;
    }
    h.setPasswordLevels(uint32_t(levels));
    h.setStartPage(field16(f.startPage));
    h.setDefaultPage(field16(f.defaultPage));
    h.setAlarmPage(field16(f.alarmPage));

    uint8_t flags = h.flags();
    flags = withBit(flags, sysflag::kScreenProtection, f.screenProtection);
    h.setScreenProtectDelay(field16(f.screenDelay));
    h.setScreenSaverPage(field16(f.screenSaverPage));
    flags = withBit(flags, sysflag::kBacklightOff, f.backlightOff);
    h.setBacklightDelay(field16(f.backlightDelay));
    flags = withBit(flags, sysflag::kAutoAlarmPage, f.autoAlarmPage);
    flags = withBit(flags, sysflag::kAutoTransPage, f.autoTransPage);
    flags = withBit(flags, sysflag::kReportCurrentPage, f.reportCurrentPage);
    flags = withBit(flags, sysflag::kMultiLanguage, f.language.enabled);
    flags = withBit(flags, sysflag::kReportPasswordLevel, f.passwordLevel.enabled);
    flags = withBit(flags, sysflag::kRegisterSetControl, f.registerSetControl.enabled);
    h.setFlags(flags);

    storeRegister(h, ProjectHeader::kPageControlRegOff, f.pageControlType, f.pageControlAddress);
    h.deriveCurrentPageRegister();
    h.setU8(ProjectHeader::kByte117Off, 2); // two languages
    storeRegister(h, ProjectHeader::kLanguageRegOff, f.language.type, f.language.address);
    storeRegister(h, ProjectHeader::kPasswordLevelRegOff, f.passwordLevel.type,
                  f.passwordLevel.address);
    storeRegister(h, ProjectHeader::kSetControlRegOff, f.registerSetControl.type,
                  f.registerSetControl.address);
    return true;
}

} // namespace zorv
