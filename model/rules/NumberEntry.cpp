#include "model/rules/NumberEntry.h"

#include <cctype>

namespace zorv::rules {

namespace {
constexpr int64_t kSaturation = int64_t(1) << 40;
}

int64_t parseDecimal(std::string_view typed) {
    std::size_t i = 0;
    while (i < typed.size() && std::isspace(static_cast<unsigned char>(typed[i])))
        ++i;
    const bool negative = i < typed.size() && typed[i] == '-';
    if (i < typed.size() && (typed[i] == '-' || typed[i] == '+'))
        ++i;
    int64_t value = 0;
    for (; i < typed.size() && typed[i] >= '0' && typed[i] <= '9'; ++i) {
        value = value * 10 + (typed[i] - '0');
        if (value > kSaturation)
            value = kSaturation;
    }
    return negative ? -value : value;
}

int64_t cutToRange(int64_t value, int64_t lo, int64_t hi) {
    if (value > hi)
        return hi;
    if (value < lo)
        return lo;
    return value;
}

NumberEntry enterNumber(std::string_view typed, int64_t lo, int64_t hi) {
    const int64_t parsed = parseDecimal(typed);
    NumberEntry entry;
    entry.value = cutToRange(parsed, lo, hi);
    entry.cut = entry.value != parsed;
    entry.shown = std::to_string(entry.value);
    return entry;
}

int64_t typedNumber(std::string_view typed, int64_t lo, int64_t hi) {
    return cutToRange(parseDecimal(typed), lo, hi);
}

ValueRange registerValueRange(int registers, bool isSigned) {
    if (registers == 2)
        return isSigned ? ValueRange{INT32_MIN, INT32_MAX} : ValueRange{0, UINT32_MAX};
    return isSigned ? ValueRange{INT16_MIN, INT16_MAX} : ValueRange{0, UINT16_MAX};
}

int64_t numberFromBits(uint32_t bits, bool isSigned) {
    return isSigned ? int64_t(int32_t(bits)) : int64_t(bits);
}

int64_t numberFromBits16(uint16_t bits, bool isSigned) {
    return isSigned ? int64_t(int16_t(bits)) : int64_t(bits);
}

} // namespace zorv::rules
