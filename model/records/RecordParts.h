#pragma once
// Accessors that several widget records share, each reading the offsets its record names: the
// register, the scaled value and size of bars and trends, the symbol of lights and keys. The parts
// hold no bytes, so a record keeps its size and layout.

#include <span>

#include "model/records/WidgetRecord.h"

namespace zorv {

// The symbol texts of lights and keys hold 0xFF and a glyph number (twice with the hand).
constexpr std::size_t kSymbolTextCapacity = 11;

// The record R that a part of it belongs to.
template <class R, class Part> const R& recordOf(const Part& part) {
    return static_cast<const R&>(part);
}
template <class R, class Part> R& recordOf(Part& part) {
    return static_cast<R&>(part);
}

// The register the widget reads or writes, at R::kStationOff, R::kTypeOff and R::kAddressOff.
template <class R> struct RegisterPart {
    RegisterRef reg() const {
        return recordOf<R>(*this).registerAt(R::kStationOff, R::kTypeOff, R::kAddressOff);
    }
    void setRegister(const RegisterRef& v) {
        recordOf<R>(*this).setRegisterAt(R::kStationOff, R::kTypeOff, R::kAddressOff, v);
    }
};

// Number flags of bars and trends: bit 0 signed, bit 1 HEX/BCD (signed is forced off in it).
namespace numflags {
constexpr uint8_t kSigned = 1u << 0;
constexpr uint8_t kHexBcd = 1u << 1;
} // namespace numflags

// The value a bar or trend draws against its scale: how many registers hold it
// (R::kCountOff), how they are read (R::kNumberFlagsOff, numflags) and the full and zero scale
// (R::kFullScaleOff, R::kZeroScaleOff).
template <class R> struct ScalePart {
    uint8_t registerCount() const { return recordOf<R>(*this).u8(R::kCountOff); }
    void setRegisterCount(uint8_t v) { recordOf<R>(*this).setU8(R::kCountOff, v); }
    uint8_t numberFlags() const { return recordOf<R>(*this).u8(R::kNumberFlagsOff); }
    void setNumberFlags(uint8_t v) { recordOf<R>(*this).setU8(R::kNumberFlagsOff, v); }
    // Scale values are stored as 32 bits; two unsigned registers reach 4294967295.
    uint32_t fullScaleBits() const { return recordOf<R>(*this).u32(R::kFullScaleOff); }
    uint32_t zeroScaleBits() const { return recordOf<R>(*this).u32(R::kZeroScaleOff); }
    int32_t fullScale() const { return recordOf<R>(*this).i32(R::kFullScaleOff); }
    void setFullScale(int64_t v) { recordOf<R>(*this).setU32(R::kFullScaleOff, uint32_t(v)); }
    int32_t zeroScale() const { return recordOf<R>(*this).i32(R::kZeroScaleOff); }
    void setZeroScale(int64_t v) { recordOf<R>(*this).setU32(R::kZeroScaleOff, uint32_t(v)); }

    // What a new bar or trend shows: one register, D0 of station 1, against 0..65535.
    void setNewValue() {
        R& r = recordOf<R>(*this);
        r.setRegister({1, uint8_t(RegisterType::D), 0});
        r.setRegisterCount(1);
        r.setFullScale(65535);
    }
};

// The size in pixels of a bar or trend, at R::kWidthOff and R::kHeightOff.
template <class R> struct SizePart {
    uint16_t width() const { return recordOf<R>(*this).u16(R::kWidthOff); }
    void setWidth(uint16_t v) { recordOf<R>(*this).setU16(R::kWidthOff, v); }
    uint16_t height() const { return recordOf<R>(*this).u16(R::kHeightOff); }
    void setHeight(uint16_t v) { recordOf<R>(*this).setU16(R::kHeightOff, v); }
};

// The symbol of a light or key after its length byte at R::kSymbolLengthOff, and its working
// value at R::kWorkingOff, which the project file does not keep.
template <class R> struct SymbolPart {
    uint8_t symbolLength() const { return recordOf<R>(*this).u8(R::kSymbolLengthOff); }
    std::span<const uint8_t> symbolText() const {
        return recordOf<R>(*this).shortTextAt(R::kSymbolLengthOff, kSymbolTextCapacity);
    }
    void setSymbolText(std::span<const uint8_t> text) {
        recordOf<R>(*this).setShortTextAt(R::kSymbolLengthOff, kSymbolTextCapacity, text);
    }
    int32_t working() const { return recordOf<R>(*this).i32(R::kWorkingOff); }
    void setWorking(int32_t v) { recordOf<R>(*this).setI32(R::kWorkingOff, v); }
};

} // namespace zorv
