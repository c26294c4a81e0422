#pragma once
// A page of 100 widgets of mixed kinds spread over the display, as the editor benchmarks use.

#include "model/Bytes.h"
#include "model/CPage.h"

namespace zorv::bench {

inline constexpr const char* kKinds[] = {"StaticText", "Register", "DynamicText", "Key",
                                         "Led",        "Bar",      "Trend",       "Menu",
                                         "Alarm",      "Password"};

inline void fillPage(CPage& page) {
    for (int i = 0; i < 100; ++i) {
        WidgetNode* node = page.addWidget(kKinds[i % 10]);
        le::putU16(node->record.data() + 2, uint16_t((i * 17) % 160));
        le::putU16(node->record.data() + 4, uint16_t((i * 7) % 48));
    }
}

} // namespace zorv::bench
