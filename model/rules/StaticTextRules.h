#pragma once
// Confirming a static text.

#include <string>

#include "model/records/StaticTextRecord.h"
#include "model/rules/ConfirmResult.h"
#include "model/rules/TextRules.h"

namespace zorv::rules {

struct StaticTextForm {
    TextAttributesForm attributes;
    std::string text[2]; // language 1 and 2, in the project's code page
};
StaticTextForm staticTextFormOf(const StaticTextRecord& r);

// Double size with a text above 12 cells is refused: the copy comes back unchanged and the
// pane switches its double-size box off again.
ConfirmResult<StaticTextRecord> confirmStaticText(const StaticTextRecord& copy,
                                                  const StaticTextForm& form);

} // namespace zorv::rules
