#pragma once

#include "model/records/RecordParts.h"

namespace zorv {

// A bound of a register widget's input: a register, or the input and engineering constants.
struct BoundRegister {
    uint8_t station = 1;
    uint8_t type = uint8_t(RegisterType::D);
    uint16_t address = 0;
    uint8_t count = 1;
    bool operator==(const BoundRegister&) const = default;
};
struct BoundConstants {
    int32_t input = 0;
    int32_t engineering = 0;
    bool operator==(const BoundConstants&) const = default;
};

// Shows a register value and optionally lets the operator set it.
struct RegisterRecord : WidgetRecord<36, WidgetKind::Register>, RegisterPart<RegisterRecord> {
    static constexpr std::size_t kStationOff = 6, kTypeOff = 7, kAddressOff = 8;
    static constexpr std::size_t kCountOff = 10, kRelationOff = 11, kSetMaskOff = 12;
    static constexpr std::size_t kDigitsOff = 13, kSizeOff = 14, kOptionsOff = 15;
    static constexpr std::size_t kUpperOff = 16, kLowerOff = 24, kRelatedAddressOff = 32;

    // Bits of the option byte.
    static constexpr uint8_t kSigned = 1u << 0, kHexBcd = 1u << 1, kLowerFromRegister = 1u << 2,
                             kUpperFromRegister = 1u << 3, kEngineering = 1u << 4,
                             kInputLimit = 1u << 5, kEncrypted = 1u << 6, kSettable = 1u << 7;
    // Bits of the size byte.
    static constexpr uint8_t kSizeInverted = 1u << 0, kSizeDouble = 1u << 4;

    static RegisterRecord makeDefault() {
        RegisterRecord r;
        r.setRegister({1, uint8_t(RegisterType::D), 0});
        r.setRegisterCount(1);
        r.setDigits(5, 0);
        return r;
    }

    uint8_t registerCount() const { return u8(kCountOff); }
    void setRegisterCount(uint8_t v) { setU8(kCountOff, v); }
    bool relation() const { return u8(kRelationOff) == 1; }
    void setRelation(bool on) { setU8(kRelationOff, on ? 1 : 0); }
    uint8_t setMask() const { return u8(kSetMaskOff); }
    void setSetMask(uint8_t v) { setU8(kSetMaskOff, v); }
    int digits() const { return u8(kDigitsOff) >> 4; }
    int decimals() const { return u8(kDigitsOff) & 0x0F; }
    void setDigits(int digits, int decimals) {
        setU8(kDigitsOff, uint8_t(((digits & 0x0F) << 4) | (decimals & 0x0F)));
    }
    uint8_t sizeFlags() const { return u8(kSizeOff); }
    void setSizeFlags(uint8_t v) { setU8(kSizeOff, v); }
    uint8_t options() const { return u8(kOptionsOff); }
    void setOptions(uint8_t v) { setU8(kOptionsOff, v); }
    bool option(uint8_t bit) const { return (options() & bit) != 0; }
    void setOption(uint8_t bit, bool on) {
        setOptions(on ? (options() | bit) : (options() & ~bit));
    }

    BoundRegister boundRegister(std::size_t off) const {
        return {u8(off), u8(off + 1), u16(off + 2), u8(off + 4)};
    }
    void setBoundRegister(std::size_t off, const BoundRegister& b) {
        auto field = span(off, 8);
        std::fill(field.begin(), field.end(), uint8_t(0));
        setU8(off, b.station);
        setU8(off + 1, b.type);
        setU16(off + 2, b.address);
        setU8(off + 4, b.count);
    }
    BoundConstants boundConstants(std::size_t off) const { return {i32(off), i32(off + 4)}; }
    void setBoundConstants(std::size_t off, const BoundConstants& b) {
        setI32(off, b.input);
        setI32(off + 4, b.engineering);
    }

    uint16_t relatedAddress() const { return u16be(kRelatedAddressOff); }
    void setRelatedAddress(uint16_t v) { setU16be(kRelatedAddressOff, v); }
};
static_assert(sizeof(RegisterRecord) == 36);

} // namespace zorv
