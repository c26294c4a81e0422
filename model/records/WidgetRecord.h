#pragma once
// What every widget record shares: byte 0 the kind code, u16 x at 2 and u16 y at 4 in display
// pixels, text slots and zero-terminated names at fixed offsets.

#include <algorithm>
#include <string>
#include <string_view>

#include "model/Bytes.h"
#include "model/RegisterRef.h"
#include "model/TextSlot.h"
#include "model/WidgetKind.h"

namespace zorv {

template <std::size_t N, WidgetKind K> struct WidgetRecord : FixedRecord<N> {
    static constexpr WidgetKind kKind = K;
    static constexpr std::size_t kKindOff = 0, kXOff = 2, kYOff = 4;

    WidgetRecord() { this->setU8(kKindOff, uint8_t(K)); }

    uint16_t x() const { return this->u16(kXOff); }
    uint16_t y() const { return this->u16(kYOff); }
    void setX(uint16_t v) { this->setU16(kXOff, v); }
    void setY(uint16_t v) { this->setU16(kYOff, v); }

    TextSlot textAt(std::size_t off) const {
        return TextSlot::fromSlot(
            this->span(off, TextSlot::kSize).template first<TextSlot::kSize>());
    }
    void setTextAt(std::size_t off, const TextSlot& text) {
        text.toSlot(this->span(off, TextSlot::kSize).template first<TextSlot::kSize>());
    }

    // A zero-terminated name in a field of `cap` bytes; at most cap - 1 bytes are kept.
    std::string cStringAt(std::size_t off, std::size_t cap) const {
        auto field = this->span(off, cap);
        auto end = std::find(field.begin(), field.end(), uint8_t(0));
        return std::string(field.begin(), end);
    }
    void setCStringAt(std::size_t off, std::size_t cap, std::string_view s) {
        auto field = this->span(off, cap);
        std::fill(field.begin(), field.end(), uint8_t(0));
        std::copy_n(s.begin(), std::min(s.size(), cap - 1), field.begin());
    }

    // A short text of at most `cap` bytes after its length byte at `lengthOff` (the symbol
    // texts of lights and keys); a longer stored length is read as `cap`.
    std::span<const uint8_t> shortTextAt(std::size_t lengthOff, std::size_t cap) const {
        return this->span(lengthOff + 1, std::min<std::size_t>(this->u8(lengthOff), cap));
    }
    void setShortTextAt(std::size_t lengthOff, std::size_t cap, std::span<const uint8_t> text) {
        const std::size_t n = std::min(text.size(), cap);
        auto field = this->span(lengthOff + 1, cap);
        std::fill(field.begin(), field.end(), uint8_t(0));
        std::copy_n(text.begin(), n, field.begin());
        this->setU8(lengthOff, uint8_t(n));
    }

    // Bitmap data of at most `cap` bytes at `off` with its i32 byte count at `countOff`.
    std::span<const uint8_t> bitmapAt(std::size_t off, std::size_t countOff,
                                      std::size_t cap) const {
        const int32_t n = this->i32(countOff);
        return this->span(off, n < 0 ? 0 : std::min<std::size_t>(std::size_t(n), cap));
    }
    void setBitmapAt(std::size_t off, std::size_t countOff, std::size_t cap,
                     std::span<const uint8_t> data) {
        const std::size_t n = std::min(data.size(), cap);
        auto field = this->span(off, cap);
        std::fill(field.begin(), field.end(), uint8_t(0));
        std::copy_n(data.begin(), n, field.begin());
        this->setI32(countOff, int32_t(n));
    }

    // A register split over station, type and address bytes at three offsets.
    RegisterRef registerAt(std::size_t stationOff, std::size_t typeOff, std::size_t addrOff) const {
        return {this->u8(stationOff), this->u8(typeOff), this->u16(addrOff)};
    }
    void setRegisterAt(std::size_t stationOff, std::size_t typeOff, std::size_t addrOff,
                       const RegisterRef& r) {
        this->setU8(stationOff, r.station);
        this->setU8(typeOff, r.type);
        this->setU16(addrOff, r.address);
    }
};

} // namespace zorv
