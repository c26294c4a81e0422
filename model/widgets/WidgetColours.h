#pragma once
// The colours of the widget drawings, 0xRRGGBB.

#include <cstdint>

namespace zorv::colour {

constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kGreen = 0x00FF00;
constexpr uint32_t kGrey = 0xC0C0C0;
constexpr uint32_t kWhite = 0xFFFFFF; // also the transparent colour of every widget image

} // namespace zorv::colour
