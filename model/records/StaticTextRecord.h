#pragma once

#include "model/records/WidgetRecord.h"

namespace zorv {

struct StaticTextRecord : WidgetRecord<62, WidgetKind::StaticText> {
    static constexpr std::size_t kAttributesOff = 1, kText1Off = 12, kText2Off = 37;

    static StaticTextRecord makeDefault() {
        StaticTextRecord r;
        r.setText(0, TextSlot::fromBytes("TextStr"));
        return r;
    }

    uint8_t attributes() const { return u8(kAttributesOff); }
    void setAttributes(uint8_t v) { setU8(kAttributesOff, v); }
    // Language 0 (language 1 of the dialogs) or 1.
    TextSlot text(int lang) const { return textAt(lang == 0 ? kText1Off : kText2Off); }
    void setText(int lang, const TextSlot& t) { setTextAt(lang == 0 ? kText1Off : kText2Off, t); }
};
static_assert(sizeof(StaticTextRecord) == 62);

} // namespace zorv
