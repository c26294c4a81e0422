#include "image/AlarmLanguageTable.h"

#include <algorithm>

namespace zorv {

LanguageTable languageTableOf(const AlarmListRecord& record) {
    LanguageTable t(kAlarmTable.capacity);
    const int count = std::min<int>(record.entryCount(), AlarmListRecord::kCapacity);
    for (int k = 0; k < t.capacity(); ++k) {
        ChoiceEntry& e = t.entries[k];
        e.used = k < count;
        e.text[0] = record.text(k, 0);
        e.text[1] = record.text(k, 1);
        e.value = k;
        if (e.used) {
            for (int lang = 0; lang < 2; ++lang)
                t.widths[lang] =
                    std::max<uint32_t>(t.widths[lang], textWidthCells(e.text[lang].view()));
        }
    }
    t.count = count;
    return t;
}

void storeLanguageTable(const LanguageTable& table, AlarmListRecord& record) {
    const int count =
        std::clamp(table.count, 0, std::min(AlarmListRecord::kCapacity, table.capacity()));
    for (int k = 0; k < count; ++k) {
        record.setText(k, 0, table.entries[k].text[0]);
        record.setText(k, 1, table.entries[k].text[1]);
    }
    record.setEntryCount(uint16_t(count));
}

} // namespace zorv
