#include "model/rules/BarRules.h"

#include "model/rules/NumberEntry.h"

namespace zorv::rules {

BarForm barFormOf(const BarRecord& r) {
    return {addressFormOf(r.reg()),
            scaleFormOf(r.registerCount(), r.numberFlags(), r.fullScaleBits(), r.zeroScaleBits()),
            std::to_string(r.width()), std::to_string(r.height()), r.direction()};
}

ConfirmResult<BarRecord> confirmBar(const BarRecord& copy, const BarForm& form) {
    ConfirmResult<BarRecord> result{copy, {}, true};
    BarRecord& r = result.record;
    r.setRegister(enterRegister(form.reg, {RegisterType::D, RegisterType::M}, result.messages));
    r.setWidth(enterSize(form.width, r.x(), 192));
    r.setHeight(enterSize(form.height, r.y(), 64));
    r.setDirection(uint16_t(cutToRange(form.direction, BarRecord::Up, BarRecord::Right)));
    storeScale(r, enterScale(form.scale, result.messages));
    return result;
}

} // namespace zorv::rules
