#include "panel/PanelAlarms.h"

#include "model/records/AlarmListRecord.h"

namespace zorv::panel {

std::vector<int> activeAlarms(const AlarmSource& source, const PanelRegisters& registers) {
    std::vector<int> on;
    for (int k = 1; k <= source.alarms; ++k)
        if (registers.bit(source.type, uint16_t(source.start + k - 1)))
            on.push_back(k);
    return on;
}

AlarmSource systemAlarms(const PanelImage& image) {
    const auto& alarms = image.description().alarms;
    const uint8_t* head = alarms.head.data();
    const int entries = int(alarms.entries[0].size());
    return {head[AlarmListRecord::kTypeOff], le::u16(head + AlarmListRecord::kStartOff),
            entries > 0 ? entries - 1 : 0};
}

AlarmSource widgetAlarms(const sim::ImageWidget& widget) {
    const HeadBytes head(widget);
    const int entries = int(widget.choices.size());
    return {head.u8(AlarmListRecord::kTypeOff), head.u16(AlarmListRecord::kStartOff),
            entries > 0 ? entries - 1 : 0};
}

} // namespace zorv::panel
