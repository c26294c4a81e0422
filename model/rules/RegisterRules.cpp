#include "model/rules/RegisterRules.h"

#include "model/rules/NumberEntry.h"

namespace zorv::rules {

namespace {

using R = RegisterRecord;

BoundForm boundFormOf(const R& r, std::size_t off, uint8_t fromRegisterBit) {
    BoundForm form;
    form.fromRegister = r.option(fromRegisterBit);
    if (form.fromRegister) {
        const BoundRegister b = r.boundRegister(off);
        form.reg = addressFormOf({b.station, b.type, b.address});
        form.registers = b.count;
    } else {
        const bool isSigned = r.option(R::kSigned);
        const BoundConstants c = r.boundConstants(off);
        form.input = std::to_string(numberFromBits(uint32_t(c.input), isSigned));
        form.engineering = std::to_string(numberFromBits(uint32_t(c.engineering), isSigned));
    }
    return form;
}

struct Bound {
    int64_t input = 0, engineering = 0;
};

} // namespace

RegisterForm registerFormOf(const R& r) {
    RegisterForm f;
    f.reg = addressFormOf(r.reg());
    f.registers = r.registerCount();
    f.doubleSize = (r.sizeFlags() & R::kSizeDouble) != 0;
    f.inverted = (r.sizeFlags() & R::kSizeInverted) != 0;
    f.isSigned = r.option(R::kSigned);
    f.hexBcd = r.option(R::kHexBcd);
    f.engineering = r.option(R::kEngineering);
    f.inputLimit = r.option(R::kInputLimit);
    f.encrypted = r.option(R::kEncrypted);
    f.settable = r.option(R::kSettable);
    f.setMask = r.setMask();
    f.digits = std::to_string(r.digits());
    f.decimals = std::to_string(r.decimals());
    f.upper = boundFormOf(r, R::kUpperOff, R::kUpperFromRegister);
    f.lower = boundFormOf(r, R::kLowerOff, R::kLowerFromRegister);
    f.relation = r.relation();
    f.relatedAddress = std::to_string(r.relatedAddress());
    return f;
}

ConfirmResult<R> confirmRegister(const R& copy, const RegisterForm& form) {
    ConfirmResult<R> result{copy, {}, true};
    R& r = result.record;
    r.setRegister(enterRegister(form.reg, {RegisterType::D, RegisterType::M}, result.messages));
    const int registers = int(cutToRange(form.registers, 1, 2));
    r.setRegisterCount(uint8_t(registers));
    r.setSizeFlags(
        uint8_t((form.inverted ? R::kSizeInverted : 0) | (form.doubleSize ? R::kSizeDouble : 0)));
    const bool isSigned = form.isSigned && !form.hexBcd;
    r.setOptions(
        uint8_t((isSigned ? R::kSigned : 0) | (form.hexBcd ? R::kHexBcd : 0) |
                (form.lower.fromRegister ? R::kLowerFromRegister : 0) |
                (form.upper.fromRegister ? R::kUpperFromRegister : 0) |
                (form.engineering ? R::kEngineering : 0) | (form.inputLimit ? R::kInputLimit : 0) |
                (form.encrypted ? R::kEncrypted : 0) | (form.settable ? R::kSettable : 0)));
    r.setSetMask(form.setMask);
    // At most 10 digits (a 32-bit value), and no more decimals than digits.
    const int digits = int(typedNumber(form.digits, 1, 10));
    r.setDigits(digits, int(typedNumber(form.decimals, 0, digits)));

    const ValueRange inputRange = registerValueRange(registers, isSigned);
    const ValueRange engineeringRange = registerValueRange(2, isSigned);
    const auto constants = [&](const BoundForm& b) {
        return Bound{typedNumber(b.input, inputRange.lo, inputRange.hi),
                     typedNumber(b.engineering, engineeringRange.lo, engineeringRange.hi)};
    };
    Bound upper = constants(form.upper);
    const Bound lower = constants(form.lower);
    if (!form.upper.fromRegister && !form.lower.fromRegister) {
        if (lower.input > upper.input) {
            result.messages.emplace_back(kUpperLimitMessage);
            upper.input = lower.input;
        }
        if (form.engineering && lower.engineering > upper.engineering) {
            result.messages.emplace_back(kUpperLimit2Message);
            upper.engineering = lower.engineering;
        }
    }
    const auto store = [&](std::size_t off, const BoundForm& b, const Bound& c) {
        if (b.fromRegister) {
            const RegisterRef reg =
                enterRegister(b.reg, {RegisterType::D, RegisterType::M}, result.messages);
            r.setBoundRegister(
                off, {reg.station, reg.type, reg.address, uint8_t(cutToRange(b.registers, 1, 2))});
        } else {
            r.setBoundConstants(off,
                                {int32_t(uint32_t(c.input)), int32_t(uint32_t(c.engineering))});
        }
    };
    store(R::kUpperOff, form.upper, upper);
    store(R::kLowerOff, form.lower, lower);

    r.setRelation(form.relation);
    r.setRelatedAddress(uint16_t(typedNumber(form.relatedAddress, 0, kMaxWordAddress)));
    return result;
}

} // namespace zorv::rules
