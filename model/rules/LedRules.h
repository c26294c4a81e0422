#pragma once
// Confirming an indicator light. Choosing and replacing the custom pictures is the pane's
// affair (it asks the questions below and sets the pictures into its copy).

#include "model/records/LedRecord.h"
#include "model/rules/ConfirmResult.h"
#include "model/rules/RegisterEntry.h"

namespace zorv::rules {

inline constexpr const char* kAddCustomImageMessage = "Please add a custom image";
inline constexpr const char* kReplacePositivePictureQuestion =
    "Is the logical picture already exists, is it replaced?";
inline constexpr const char* kReplaceNegativePictureQuestion =
    "Negative logical picture already exists, whether or not to replace?";
inline constexpr const char* kLedBitmapFormatMessage =
    "Bitmap format does not match,Can only choose a monochrome bitmap not greater than 192*64!";

struct LedForm {
    AddressForm reg; // D, M, X or Y
    bool negativeLogic = false, doubleSize = false;
    int displayType = LedRecord::Round;
};
LedForm ledFormOf(const LedRecord& r);

// "Custom" without either picture keeps the previous display type; everything else is
// applied. The symbol text follows the display type and the working value is 3.
ConfirmResult<LedRecord> confirmLed(const LedRecord& copy, const LedForm& form);

} // namespace zorv::rules
