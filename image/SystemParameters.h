#pragma once
// The "Parameter Setting" dialog without its window: the values it shows, which fields it
// enables, the two page control labels and the confirm rules that write the project header.

#include <cstdint>
#include <string>
#include <string_view>

#include "model/ProjectHeader.h"
#include "platform/Prompt.h"

namespace zorv {

inline constexpr const char* kPasswordLevelMessage =
    "The system support for a maximum of four levels in password!";

// A number typed in a dialog, read the way the C library's decimal conversion reads it: leading
// blanks, an optional sign, the leading digits; a field without a number gives 0. Values beyond
// 32 bits stay at the 32-bit bounds.
int32_t dialogDecimal(std::string_view text);

// One optional system register: its check box and the "Type:" and "Addr.:" fields. The station
// number is shown but never edited; it keeps the header's value.
struct RegisterFields {
    bool enabled = false;
    uint8_t type = uint8_t(RegisterType::D); // the "Type:" list holds "D" only
    std::string address;
};

struct SystemParameterFields {
    std::string passwordLevels; // "PWD Level:"
    std::string startPage, defaultPage, alarmPage;
    bool screenProtection = false;
    std::string screenDelay, screenSaverPage;
    bool backlightOff = false;
    std::string backlightDelay;
    bool autoAlarmPage = false;
    bool autoTransPage = false, reportCurrentPage = false; // share the page control register
    uint8_t pageControlType = uint8_t(RegisterType::D);
    std::string pageControlAddress;
    RegisterFields language, passwordLevel, registerSetControl;
};

// Which fields the check boxes enable. Station number fields are never enabled.
struct SystemParameterEnabling {
    bool screenDelay, screenSaverPage, backlightDelay, pageControl, language, passwordLevel,
        registerSetControl;
};

// The dialog as it opens: every number in decimal, every box from its flag bit.
SystemParameterFields openSystemParameters(const ProjectHeader& header);
SystemParameterEnabling systemParameterEnabling(const SystemParameterFields& fields);

// The labels beside "Auto trans page," and "Report the current page no.": "Corresponding to D%d"
// of the register each option uses, empty when the option is off.
struct PageControlLabels {
    std::string autoTrans, reportCurrent;
};
PageControlLabels pageControlLabels(bool autoTransPage, bool reportCurrentPage,
                                    std::string_view pageControlAddress);

// "OK": writes the fields into the header. A password level count of 5 or more (or below 0) is
// refused with its message and leaves the header untouched; the result tells whether the dialog
// may close.
bool confirmSystemParameters(const SystemParameterFields& fields, ProjectHeader& header,
                             Prompt& prompt);

} // namespace zorv
