#pragma once
// Confirming a dynamic text.

#include "model/records/DynamicTextRecord.h"
#include "model/rules/ChoiceTableRules.h"
#include "model/rules/ConfirmResult.h"
#include "model/rules/RegisterEntry.h"

namespace zorv::rules {

struct DynamicTextForm {
    AddressForm reg;
    TextAttributesForm attributes;
    std::vector<ChoiceRow> rows;
};
DynamicTextForm dynamicTextFormOf(const DynamicTextRecord& r);

// State values 0..65535; double size with a state text above 12 cells is refused.
ConfirmResult<DynamicTextRecord> confirmDynamicText(const DynamicTextRecord& copy,
                                                    const DynamicTextForm& form);

} // namespace zorv::rules
