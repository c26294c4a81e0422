#pragma once
// Which alarms are on: alarm k (from 1) is the bit at the start address + k - 1.

#include <cstdint>
#include <vector>

#include "panel/PanelImage.h"
#include "panel/PanelRegisters.h"

namespace zorv::panel {

struct AlarmSource {
    uint8_t type = 0;
    uint16_t start = 0;
    int alarms = 0; // entries less the no-alarm text
};

// The alarm numbers that are on, in address order.
std::vector<int> activeAlarms(const AlarmSource& source, const PanelRegisters& registers);
// The system alarm list of the image's alarm section.
AlarmSource systemAlarms(const PanelImage& image);
// An alarm-list widget's list.
AlarmSource widgetAlarms(const sim::ImageWidget& widget);

} // namespace zorv::panel
