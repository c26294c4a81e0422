#pragma once
// The display attribute byte of texts (static text, dynamic text and, in part, other kinds).

#include <cstdint>

namespace zorv::attr {

constexpr uint8_t kInverted = 1u << 0;
constexpr uint8_t kBorder = 1u << 1;
constexpr uint8_t kVirtual = 1u << 2;
constexpr uint8_t kFlashing = 1u << 3;
constexpr uint8_t kDoubleSize = 1u << 4;

// Most cells a text may take: 24, or 12 with double size.
constexpr int maxTextCells(bool doubleSize) {
    return doubleSize ? 12 : 24;
}

} // namespace zorv::attr
