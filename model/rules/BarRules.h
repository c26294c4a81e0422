#pragma once
// Confirming a bar graph.

#include "model/records/BarRecord.h"
#include "model/rules/ConfirmResult.h"
#include "model/rules/RegisterEntry.h"
#include "model/rules/ScaleRules.h"

namespace zorv::rules {

struct BarForm {
    AddressForm reg;
    ScaleForm scale;
    std::string width = "16", height = "48";
    int direction = BarRecord::Up;
};
BarForm barFormOf(const BarRecord& r);
ConfirmResult<BarRecord> confirmBar(const BarRecord& copy, const BarForm& form);

} // namespace zorv::rules
