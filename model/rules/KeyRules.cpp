#include "model/rules/KeyRules.h"

#include "model/rules/KeyTable.h"
#include "model/rules/NumberEntry.h"
#include "model/rules/SymbolTexts.h"

namespace zorv::rules {

namespace {
using K = KeyRecord;

bool hasSign(int action) {
    return action == K::SetRegister || action == K::RegisterStep;
}

uint16_t registerValue(std::string_view typed, bool isSigned) {
    const ValueRange range = registerValueRange(1, isSigned);
    return uint16_t(typedNumber(typed, range.lo, range.hi));
}
} // namespace

KeyForm keyFormOf(const K& r) {
    KeyForm f;
    f.listPosition = listPositionOfKeyCode(r.keyCode());
    f.hand = r.hand();
    f.invisible = (r.attributes() & K::kInvisible) != 0;
    f.encrypted = (r.attributes() & K::kEncrypted) != 0;
    f.doubleSize = (r.attributes() & K::kDoubleSize) != 0;
    f.inverted = (r.attributes() & K::kInverted) != 0;
    f.action = r.action();
    f.reg = addressFormOf(r.reg());
    f.isSigned = (r.actionByte() & K::kSigned) != 0 && hasSign(f.action);
    f.decrease = (r.actionByte() & K::kDecrease) != 0;
    f.limiting = (r.actionByte() & K::kLimiting) != 0;
    const std::string shown = std::to_string(numberFromBits16(r.value(), f.isSigned));
    switch (f.action) {
    case K::SetCoil:
        f.coilOperation = r.value() & 3;
        break;
    case K::ScreenJump:
        f.alarmList = r.value() == K::kJumpToAlarmList;
        f.page = shown;
        break;
    default:
        f.value = shown;
        f.limit = std::to_string(numberFromBits16(r.limit(), f.isSigned));
        break;
    }
    return f;
}

uint16_t jumpValue(bool alarmList, std::string_view typedPage) {
    return alarmList ? K::kJumpToAlarmList : uint16_t(typedNumber(typedPage, 1, 65535));
}

ConfirmResult<K> confirmKey(const K& copy, const KeyForm& form) {
    ConfirmResult<K> result{copy, {}, true};
    K& r = result.record;
    r.setKeyCode(keyCodeOfListPosition(form.listPosition));
    r.setAttributes(
        uint8_t((form.inverted ? K::kInverted : 0) | (form.doubleSize ? K::kDoubleSize : 0) |
                (form.invisible ? K::kInvisible : 0) | (form.encrypted ? K::kEncrypted : 0)));
    r.setHand(form.hand);
    const int action = int(cutToRange(form.action, K::SetCoil, K::RegisterStep));
    const bool isSigned = form.isSigned && hasSign(action);
    const bool step = action == K::RegisterStep;
    r.setActionByte(uint8_t(action | (step && form.decrease ? K::kDecrease : 0) |
                            (step && form.limiting ? K::kLimiting : 0) |
                            (isSigned ? K::kSigned : 0)));
    switch (action) {
    case K::SetCoil:
        r.setRegister(enterRegister(form.reg, {RegisterType::M}, result.messages));
        r.setValue(uint16_t(cutToRange(form.coilOperation, 0, 3)));
        break;
    case K::ScreenJump:
        r.setValue(jumpValue(form.alarmList, form.page));
        break;
    default:
        r.setRegister(enterRegister(form.reg, {RegisterType::D, RegisterType::M}, result.messages));
        r.setValue(registerValue(form.value, isSigned));
        if (step)
            r.setLimit(registerValue(form.limit, isSigned));
        break;
    }
    r = withKeySymbolText(r);
    r.setWorking(r.symbolLength() + 1);
    return result;
}

} // namespace zorv::rules
