#pragma once
// Confirming a function key: the key list, the action of the chosen sub-pane and its value.

#include "model/records/KeyRecord.h"
#include "model/rules/ConfirmResult.h"
#include "model/rules/RegisterEntry.h"

namespace zorv::rules {

struct KeyForm {
    int listPosition = 0; // in the key list; ESC first
    bool hand = false, invisible = false, encrypted = false, doubleSize = false, inverted = false;
    int action = KeyRecord::SetCoil;
    AddressForm reg;       // M only for a coil, D or M for the register actions
    int coilOperation = 0; // "Set to ON", "Set to OFF", "Reverse", "Instantaneous ON"
    std::string page = "1";
    bool alarmList = false;
    bool isSigned = false;   // set register and register +/-
    std::string value = "0"; // "Parameter:" or the step of register +/-
    bool decrease = false, limiting = false;
    std::string limit = "0";
};
// A key code outside the key table is shown as ESC.
KeyForm keyFormOf(const KeyRecord& r);

// The screen-jump value: 0xFFFF for the alarm list, else the page cut to 1..65535.
uint16_t jumpValue(bool alarmList, std::string_view typedPage);

// Values of the register actions are 16 bits, signed -32768..32767 or unsigned 0..65535. The
// register of a screen jump is not edited and stays as stored; the limit is edited only by
// register +/-. Symbol text and working value are rebuilt.
ConfirmResult<KeyRecord> confirmKey(const KeyRecord& copy, const KeyForm& form);

} // namespace zorv::rules
