#include "panel/PanelNumber.h"

#include <algorithm>

#include "panel/PanelDecisions.h"

namespace zorv::panel {

NumberFormat numberFormat(int digits, int decimals, bool isSigned, bool hex) {
    NumberFormat f;
    f.digits = std::clamp(digits, 1, 15);
    f.hex = hex;
    f.isSigned = isSigned && !hex;
    f.decimals = hex ? 0 : std::clamp(decimals, 0, f.digits - 1);
    return f;
}

int fieldCells(const NumberFormat& format) {
    return format.digits + (format.decimals > 0 ? 1 : 0) + (format.isSigned ? 1 : 0);
}

std::string formatNumber(int64_t value, const NumberFormat& format) {
    const auto cells = std::size_t(fieldCells(format));
    std::string digits;
    if (format.hex) {
        static const char kHex[] = "0123456789ABCDEF";
        for (auto bits = uint32_t(value); bits != 0; bits >>= 4)
            digits.insert(digits.begin(), kHex[bits & 0x0F]);
        digits.insert(0, std::size_t(std::max(0, format.digits - int(digits.size()))), '0');
    } else {
        const uint64_t magnitude = value < 0 ? uint64_t(-value) : uint64_t(value);
        digits = std::to_string(magnitude);
        // A decimal value keeps a zero before its point ("0.5").
        const int least = kDecimalLeadingZeros ? format.digits : format.decimals + 1;
        if (int(digits.size()) < least)
            digits.insert(0, std::size_t(least) - digits.size(), '0');
    }
    if (int(digits.size()) > format.digits || (value < 0 && !format.isSigned && !format.hex))
        return std::string(cells, kOverflowChar);
    if (format.decimals > 0)
        digits.insert(digits.size() - std::size_t(format.decimals), ".");
    if (value < 0 && format.isSigned)
        digits.insert(0, "-");
    return std::string(cells - digits.size(), ' ') + digits;
}

std::string formatTyped(const TypedNumber& typed, const NumberFormat& format) {
    const auto value = typedValue(typed, format);
    if (!value)
        return std::string(std::size_t(fieldCells(format)) - (typed.negative ? 1 : 0), ' ') +
               (typed.negative ? "-" : "");
    return formatNumber(*value, format);
}

std::optional<int64_t> typedValue(const TypedNumber& typed, const NumberFormat& format) {
    if (typed.digits.empty())
        return std::nullopt;
    int64_t value = 0;
    for (const char c : typed.digits)
        value = value * (format.hex ? 16 : 10) + (c - '0');
    return typed.negative && format.isSigned ? -value : value;
}

} // namespace zorv::panel
