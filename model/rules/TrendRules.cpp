#include "model/rules/TrendRules.h"

#include "model/rules/NumberEntry.h"

namespace zorv::rules {

TrendForm trendFormOf(const TrendRecord& r) {
    return {addressFormOf(r.reg()),
            scaleFormOf(r.registerCount(), r.numberFlags(), r.fullScaleBits(), r.zeroScaleBits()),
            std::to_string(r.width()),
            std::to_string(r.height()),
            std::to_string(r.dotPitch()),
            std::to_string(r.interval())};
}

ConfirmResult<TrendRecord> confirmTrend(const TrendRecord& copy, const TrendForm& form) {
    ConfirmResult<TrendRecord> result{copy, {}, true};
    TrendRecord& r = result.record;
    r.setRegister(enterRegister(form.reg, {RegisterType::D, RegisterType::M}, result.messages));
    r.setWidth(enterSize(form.width, r.x(), 192));
    r.setHeight(enterSize(form.height, r.y(), 64));
    r.setDotPitch(uint8_t(typedNumber(form.dotPitch, 2, int64_t(r.width()) - 2)));
    r.setInterval(uint16_t(typedNumber(form.interval, 1, 60000)));
    storeScale(r, enterScale(form.scale, result.messages));
    return result;
}

} // namespace zorv::rules
