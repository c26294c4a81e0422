#pragma once
// How a bar graph or a trend chart reads its register and where a value lies on its scale; the
// drawing and the trend's sampling read a value the same way.

#include <algorithm>
#include <cstdint>

#include "panel/PanelRegisters.h"

namespace zorv::panel {

// The record's registers as a value: one or two words, signed unless HEX/BCD.
template <class Record> ValueFormat chartFormat(const Record& r) {
    const bool bcd = r.numberFlags() & 2, isSigned = (r.numberFlags() & 1) && !bcd;
    return {r.registerCount() == 2 ? 2 : 1, isSigned, bcd};
}

template <class Record> int64_t chartValue(const Record& r, const PanelRegisters& registers) {
    return registers.value(r.reg(), chartFormat(r));
}

// Where a value lies between the zero-scale and the full-scale value, 0 to 1.
template <class Record> double chartFraction(const Record& r, int64_t value) {
    const bool isSigned = chartFormat(r).isSigned;
    const auto bound = [&](int32_t v) { return isSigned ? int64_t(v) : int64_t(uint32_t(v)); };
    const int64_t zero = bound(r.zeroScale()), full = bound(r.fullScale());
    if (full == zero)
        return value >= full ? 1.0 : 0.0;
    return std::clamp(double(value - zero) / double(full - zero), 0.0, 1.0);
}

} // namespace zorv::panel
