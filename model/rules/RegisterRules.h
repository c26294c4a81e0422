#pragma once
// Confirming a register display/entry widget.

#include "model/records/RegisterRecord.h"
#include "model/rules/ConfirmResult.h"
#include "model/rules/RegisterEntry.h"

namespace zorv::rules {

inline constexpr const char* kUpperLimitMessage =
    "The value of upperlimit must large than lowerlimit!";
inline constexpr const char* kUpperLimit2Message =
    "The value of upperlimit2 must large than lowerlimit2!";

// One input bound: a register, or the input and engineering constants.
struct BoundForm {
    bool fromRegister = false;
    std::string input = "0", engineering = "0";
    AddressForm reg;
    int registers = 1;
};

struct RegisterForm {
    AddressForm reg;
    int registers = 1;
    bool doubleSize = false, inverted = false;
    bool isSigned = false, hexBcd = false, engineering = false, inputLimit = false,
         encrypted = false, settable = false;
    uint8_t setMask = 0; // the boxes "7" .. "0"
    std::string digits = "5", decimals = "0";
    BoundForm upper, lower;
    bool relation = false;
    std::string relatedAddress = "0";
};
RegisterForm registerFormOf(const RegisterRecord& r);

// Input bounds cut to the range of the registers and sign, engineering bounds to 32 bits of
// that sign. A constant lower bound above a constant upper one sets the upper bound to it.
ConfirmResult<RegisterRecord> confirmRegister(const RegisterRecord& copy, const RegisterForm& form);

} // namespace zorv::rules
