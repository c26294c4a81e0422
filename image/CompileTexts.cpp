#include "image/CompileTexts.h"

#include <algorithm>

#include "model/WidgetRecords.h"

namespace zorv {

namespace {

template <class R> void addChoiceTexts(std::vector<std::size_t>& slots) {
    for (int k = 0; k < R::kCapacity; ++k) {
        slots.push_back(R::entryOff(k) + R::kText1Off);
        slots.push_back(R::entryOff(k) + R::kText2Off);
    }
}

} // namespace

int alarmEntriesUsed(uint16_t entryCount) {
    return std::min<int>(entryCount, AlarmListRecord::kCapacity);
}

std::vector<std::size_t> convertedTextSlots(WidgetKind kind, std::span<const uint8_t> record) {
    std::vector<std::size_t> slots;
    switch (kind) {
    case WidgetKind::DynamicText:
        addChoiceTexts<DynamicTextRecord>(slots);
        break;
    case WidgetKind::Menu:
        addChoiceTexts<MenuRecord>(slots);
        break;
    case WidgetKind::StaticText:
        slots = {StaticTextRecord::kText1Off, StaticTextRecord::kText2Off};
        break;
    case WidgetKind::Alarm: {
        const int entries =
            alarmEntriesUsed(le::u16(record.data() + AlarmListRecord::kEntryCountOff));
        for (int k = 0; k < entries; ++k) {
            slots.push_back(AlarmListRecord::entryOff(k));
            slots.push_back(AlarmListRecord::entryOff(k) + TextSlot::kSize);
        }
        break;
    }
    default:
        break;
    }
    return slots;
}

} // namespace zorv
