#include "model/rules/DynamicTextRules.h"

namespace zorv::rules {

DynamicTextForm dynamicTextFormOf(const DynamicTextRecord& r) {
    return {addressFormOf(r.reg()), attributesFormOf(r.attributes()), choiceRowsOf(r)};
}

ConfirmResult<DynamicTextRecord> confirmDynamicText(const DynamicTextRecord& copy,
                                                    const DynamicTextForm& form) {
    ConfirmResult<DynamicTextRecord> result{copy, {}, true};
    DynamicTextRecord& r = result.record;
    r.setRegister(enterRegister(form.reg, {RegisterType::D, RegisterType::M}, result.messages));
    r.setAttributes(attributesByte(form.attributes));
    applyChoiceRows(r, form.rows, UINT16_MAX);
    if (!choiceTextsFit(r, form.attributes.doubleSize)) {
        result = {copy, {kDoubleSizeTooLongMessage}, false};
    }
    return result;
}

} // namespace zorv::rules
