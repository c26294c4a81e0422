#include "model/rules/StaticTextRules.h"

namespace zorv::rules {

StaticTextForm staticTextFormOf(const StaticTextRecord& r) {
    return {attributesFormOf(r.attributes()), {r.text(0).str(), r.text(1).str()}};
}

ConfirmResult<StaticTextRecord> confirmStaticText(const StaticTextRecord& copy,
                                                  const StaticTextForm& form) {
    ConfirmResult<StaticTextRecord> result{copy, {}, true};
    for (const std::string& text : form.text) {
        if (!fitsTextCells(TextSlot::fromBytes(text).view(), form.attributes.doubleSize)) {
            result.messages.emplace_back(kDoubleSizeTooLongMessage);
            result.applied = false;
            return result;
        }
    }
    result.record.setAttributes(attributesByte(form.attributes));
    for (int lang = 0; lang < 2; ++lang)
        result.record.setText(lang, TextSlot::fromBytes(form.text[lang]));
    return result;
}

} // namespace zorv::rules
