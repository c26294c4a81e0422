#include "model/rules/LedRules.h"

#include "model/rules/NumberEntry.h"
#include "model/rules/SymbolTexts.h"

namespace zorv::rules {

LedForm ledFormOf(const LedRecord& r) {
    return {addressFormOf(r.reg()), (r.flags() & LedRecord::kNegativeLogic) != 0,
            (r.flags() & LedRecord::kDoubleSize) != 0, r.displayType()};
}

ConfirmResult<LedRecord> confirmLed(const LedRecord& copy, const LedForm& form) {
    ConfirmResult<LedRecord> result{copy, {}, true};
    LedRecord& r = result.record;
    r.setRegister(enterRegister(
        form.reg, {RegisterType::M, RegisterType::D, RegisterType::X, RegisterType::Y},
        result.messages));
    uint16_t type = uint16_t(cutToRange(form.displayType, LedRecord::Round, LedRecord::Custom));
    const bool hasPicture = !r.pictureName(0).empty() || !r.pictureName(1).empty();
    if (type == LedRecord::Custom && !hasPicture) {
        result.messages.emplace_back(kAddCustomImageMessage);
        type = r.displayType();
    }
    r.setDisplayType(type);
    r.setFlags(uint8_t((form.negativeLogic ? LedRecord::kNegativeLogic : 0) |
                       (type == LedRecord::Custom ? LedRecord::kCustomPictures : 0) |
                       (form.doubleSize ? LedRecord::kDoubleSize : 0)));
    r = withLedSymbolText(r);
    r.setWorking(3);
    return result;
}

} // namespace zorv::rules
