#pragma once
// The value/text lists of dynamic texts (states) and menus (items): every row with a value
// becomes a used entry in list order, the rest of the table is cleared, and the count and the
// width fields follow.

#include <string>
#include <vector>

#include "model/records/ChoiceTable.h"
#include "model/rules/NumberEntry.h"
#include "model/rules/TextRules.h"

namespace zorv::rules {

struct ChoiceRow {
    std::string value; // as typed; blank means the row is not used
    std::string text[2];
};

bool isBlank(std::string_view s);

// Rows with a value, in list order, up to the table's capacity; values cut to 0..maxValue.
template <class R>
void applyChoiceRows(R& r, const std::vector<ChoiceRow>& rows, int64_t maxValue) {
    int n = 0;
    for (const ChoiceRow& row : rows) {
        if (n == R::kCapacity)
            break;
        if (isBlank(row.value))
            continue;
        ChoiceEntry entry;
        entry.used = true;
        entry.text[0] = TextSlot::fromBytes(row.text[0]);
        entry.text[1] = TextSlot::fromBytes(row.text[1]);
        entry.value = int32_t(uint32_t(typedNumber(row.value, 0, maxValue)));
        r.setEntry(n++, entry);
    }
    for (int k = n; k < R::kCapacity; ++k)
        r.clearEntry(k);
    r.setCount(uint8_t(n));
    r.recomputeWidths();
}

template <class R> bool choiceTextsFit(const R& r, bool doubleSize) {
    for (int k = 0; k < r.count() && k < R::kCapacity; ++k) {
        const ChoiceEntry entry = r.entry(k);
        for (const TextSlot& text : entry.text) {
            if (!fitsTextCells(text.view(), doubleSize))
                return false;
        }
    }
    return true;
}

// The used entries as list rows, in slot order (a translated table may have unused slots
// between them); values are unsigned 32-bit numbers.
template <class R> std::vector<ChoiceRow> choiceRowsOf(const R& r) {
    std::vector<ChoiceRow> rows;
    for (int k = 0; k < R::kCapacity; ++k) {
        const ChoiceEntry entry = r.entry(k);
        if (!entry.used)
            continue;
        rows.push_back(
            {std::to_string(uint32_t(entry.value)), {entry.text[0].str(), entry.text[1].str()}});
    }
    return rows;
}

} // namespace zorv::rules
