#pragma once
// Where a compile found something it refuses, for the message that names it.

#include <cstdint>
#include <string>

#include "model/WidgetKind.h"

namespace zorv {

struct CompilePlace {
    static constexpr int kSystemAlarmList = -1;

    int pageNumber = kSystemAlarmList; // the number the user gave the page
    WidgetKind kind = WidgetKind::None;
    uint16_t x = 0, y = 0;

    // "page 3 (StaticText at 10,16)" or "the system alarm list".
    std::string describe() const;
};

} // namespace zorv
