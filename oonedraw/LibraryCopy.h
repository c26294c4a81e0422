#pragma once
// The on-screen copy of a character of UserLib.dat or Syslib1.dat: the first 32 bytes of its
// 84-byte record, 16 rows of two bytes from the bottom row up, the first byte holding the left
// 8 pixels with the most significant bit leftmost, and a cleared bit is ink.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace oonedraw {

constexpr size_t kLibraryHeadSize = 34;
constexpr size_t kLibraryCountOffset = 10;
constexpr size_t kLibraryRecordSize = 84;
constexpr size_t kLibraryCopySize = 32;

// A 16 x 16 character, top row first; bit 15 of a row is its leftmost pixel, a set bit is ink.
using GlyphRows = std::array<uint16_t, 16>;

// The on-screen copy of record `number`; nothing when the count in the head does not list it
// or the file ends before it.
std::optional<std::span<const uint8_t, kLibraryCopySize>>
LibraryDrawingCopy(std::span<const uint8_t> file, uint32_t number);

GlyphRows DecodeDrawingCopy(std::span<const uint8_t, kLibraryCopySize> copy);
std::array<uint8_t, kLibraryCopySize> EncodeDrawingCopy(const GlyphRows& rows);

} // namespace oonedraw
