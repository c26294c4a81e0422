#include "model/rules/ScaleRules.h"

#include <algorithm>

#include "model/records/RecordParts.h"
#include "model/rules/NumberEntry.h"

namespace zorv::rules {

ScaleValues enterScale(const ScaleForm& form, std::vector<std::string>& messages) {
    ScaleValues v;
    v.registers = uint8_t(cutToRange(form.registers, 1, 2));
    const bool isSigned = form.isSigned && !form.hexBcd;
    v.numberFlags =
        uint8_t((isSigned ? numflags::kSigned : 0) | (form.hexBcd ? numflags::kHexBcd : 0));
    const ValueRange range = registerValueRange(v.registers, isSigned);
    v.fullScale = typedNumber(form.fullScale, range.lo, range.hi);
    v.zeroScale = typedNumber(form.zeroScale, range.lo, range.hi);
    if (v.zeroScale > v.fullScale) {
        messages.emplace_back(kScaleOrderMessage);
        v.fullScale = v.zeroScale;
    }
    return v;
}

ScaleForm scaleFormOf(uint8_t registers, uint8_t numberFlags, uint32_t fullBits,
                      uint32_t zeroBits) {
    const bool isSigned = (numberFlags & numflags::kSigned) != 0;
    const auto shown = [&](uint32_t bits) {
        return std::to_string(numberFromBits(bits, isSigned));
    };
    return {registers, isSigned, (numberFlags & numflags::kHexBcd) != 0, shown(fullBits),
            shown(zeroBits)};
}

uint16_t enterSize(const std::string& typed, int origin, int extent) {
    // A position beyond the display (a damaged record) leaves no room at all, never a
    // negative size.
    const int upper = std::max(0, extent - origin);
    return uint16_t(typedNumber(typed, 16, upper));
}

} // namespace zorv::rules
