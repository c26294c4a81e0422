#pragma once
// Confirming a trend chart. Data depth and chart width are not edited; they stay as stored.

#include "model/records/TrendRecord.h"
#include "model/rules/ConfirmResult.h"
#include "model/rules/RegisterEntry.h"
#include "model/rules/ScaleRules.h"

namespace zorv::rules {

struct TrendForm {
    AddressForm reg;
    ScaleForm scale;
    std::string width = "96", height = "48";
    std::string dotPitch = "2";
    std::string interval = "5";
};
TrendForm trendFormOf(const TrendRecord& r);
// Dot pitch 2..(width - 2) of the width as cut; interval 1..60000.
ConfirmResult<TrendRecord> confirmTrend(const TrendRecord& copy, const TrendForm& form);

} // namespace zorv::rules
