#pragma once
// What bars and trends share: the number mode, the full- and zero-scale values and the size
// limits on the display.

#include <cstdint>
#include <string>
#include <vector>

namespace zorv::rules {

inline constexpr const char* kScaleOrderMessage =
    "The value of MaxScale must large than ZeroScale!";

struct ScaleForm {
    int registers = 1;
    bool isSigned = false;
    bool hexBcd = false; // clears signed
    std::string fullScale = "65535";
    std::string zeroScale = "0";
};
struct ScaleValues {
    uint8_t registers = 1;
    uint8_t numberFlags = 0;
    int64_t fullScale = 0;
    int64_t zeroScale = 0;
};
// Scale values cut to the range of the registers and sign; a zero-scale value above the
// full-scale value sets full scale to it, with kScaleOrderMessage.
ScaleValues enterScale(const ScaleForm& form, std::vector<std::string>& messages);
// Stores the scale values in a bar or trend record.
template <class R> void storeScale(R& r, const ScaleValues& scale) {
    r.setRegisterCount(scale.registers);
    r.setNumberFlags(scale.numberFlags);
    r.setFullScale(scale.fullScale);
    r.setZeroScale(scale.zeroScale);
}
ScaleForm scaleFormOf(uint8_t registers, uint8_t numberFlags, uint32_t fullBits, uint32_t zeroBits);

// A width or height 16..(extent - origin), where extent is 192 or 64. Near the display edge
// the upper bound falls below 16: a larger value is cut to it, a smaller one raised to 16.
uint16_t enterSize(const std::string& typed, int origin, int extent);

} // namespace zorv::rules
