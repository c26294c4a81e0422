#pragma once
// A text of at most 24 bytes in the project's code page: ASCII below 0x80, a GB2312 double-byte
// character from 0x80, "&XY" (two hexadecimal digits) for one library character.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace zorv {

struct TextSlot {
    static constexpr std::size_t kCapacity = 24;
    static constexpr std::size_t kSize = 1 + kCapacity; // length byte and text bytes

    uint8_t length = 0;
    std::array<uint8_t, kCapacity> data{};

    // Texts longer than the capacity are cut to 24 bytes.
    static TextSlot fromBytes(std::string_view text);
    static TextSlot fromBytes(std::span<const uint8_t> text);
    // Reads the 25-byte slot layout; a length byte above 24 is cut to 24.
    static TextSlot fromSlot(std::span<const uint8_t, kSize> slot);
    void toSlot(std::span<uint8_t, kSize> slot) const;

    std::string_view view() const {
        return {reinterpret_cast<const char*>(data.data()), std::size_t(length)};
    }
    std::string str() const { return std::string(view()); }
    bool empty() const { return length == 0; }
    bool operator==(const TextSlot& other) const { return view() == other.view(); }
};

// Width of a text in 8-pixel cells: one per byte, minus one for every "&" followed by two
// hexadecimal digits (a library character takes two cells, the escape is three bytes).
int textWidthCells(std::string_view text);
bool isHexDigit(uint8_t c);

} // namespace zorv
