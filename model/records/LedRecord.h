#pragma once

#include "model/records/RecordParts.h"

namespace zorv {

// Bitmap data as it lies in a 1-bit bitmap file (rows bottom to top, padded to 32 bits, most
// significant bit leftmost); pictures and custom light images hold at most this many bytes.
constexpr std::size_t kBitmapCapacity = 12288;
constexpr std::size_t kPictureNameSize = 128;

// An indicator light that shows a bit.
struct LedRecord : WidgetRecord<24880, WidgetKind::Led>,
                   RegisterPart<LedRecord>,
                   SymbolPart<LedRecord> {
    static constexpr std::size_t kFlagsOff = 1, kStationOff = 6, kTypeOff = 7, kAddressOff = 8;
    static constexpr std::size_t kDisplayTypeOff = 10;
    static constexpr std::size_t kPosWidthOff = 16, kPosHeightOff = 18;
    static constexpr std::size_t kNegWidthOff = 20, kNegHeightOff = 22;
    static constexpr std::size_t kSymbolLengthOff = 24, kSymbolTextOff = 25, kWorkingOff = 36;
    static constexpr std::size_t kPosBitmapOff = 40, kNegBitmapOff = 12328;
    static constexpr std::size_t kPosCountOff = 24616, kNegCountOff = 24620;
    static constexpr std::size_t kPosNameOff = 24624, kNegNameOff = 24752;

    static constexpr uint8_t kNegativeLogic = 1u << 0, kCustomPictures = 1u << 1,
                             kDoubleSize = 1u << 4;
    enum DisplayType : uint16_t { Round = 0, Square = 1, Custom = 2 };
    // The built-in symbols of the round and square lamps.
    static constexpr uint8_t kRoundGlyph = 0x1B, kSquareGlyph = 0x1C;

    static LedRecord makeDefault() {
        LedRecord r;
        r.setRegister({1, uint8_t(RegisterType::M), 0});
        return r;
    }

    uint8_t flags() const { return u8(kFlagsOff); }
    void setFlags(uint8_t v) { setU8(kFlagsOff, v); }
    uint16_t displayType() const { return u16(kDisplayTypeOff) & 3; }
    void setDisplayType(uint16_t t) {
        setU16(kDisplayTypeOff, uint16_t((u16(kDisplayTypeOff) & ~3u) | (t & 3u)));
    }

    // Logic 0: positive picture, 1: negative picture.
    uint16_t pictureWidth(int logic) const { return u16(logic == 0 ? kPosWidthOff : kNegWidthOff); }
    uint16_t pictureHeight(int logic) const {
        return u16(logic == 0 ? kPosHeightOff : kNegHeightOff);
    }
    void setPictureSize(int logic, uint16_t w, uint16_t h) {
        setU16(logic == 0 ? kPosWidthOff : kNegWidthOff, w);
        setU16(logic == 0 ? kPosHeightOff : kNegHeightOff, h);
    }
    static constexpr std::size_t bitmapOff(int logic) {
        return logic == 0 ? kPosBitmapOff : kNegBitmapOff;
    }
    static constexpr std::size_t bitmapCountOff(int logic) {
        return logic == 0 ? kPosCountOff : kNegCountOff;
    }
    static constexpr std::size_t nameOff(int logic) {
        return logic == 0 ? kPosNameOff : kNegNameOff;
    }
    int32_t bitmapCount(int logic) const { return i32(bitmapCountOff(logic)); }
    std::span<const uint8_t> bitmap(int logic) const {
        return bitmapAt(bitmapOff(logic), bitmapCountOff(logic), kBitmapCapacity);
    }
    // Bitmaps above 12288 bytes are cut to the capacity.
    void setBitmap(int logic, std::span<const uint8_t> data) {
        setBitmapAt(bitmapOff(logic), bitmapCountOff(logic), kBitmapCapacity, data);
    }
    std::string pictureName(int logic) const { return cStringAt(nameOff(logic), kPictureNameSize); }
    void setPictureName(int logic, std::string_view name) {
        setCStringAt(nameOff(logic), kPictureNameSize, name);
    }
};
static_assert(sizeof(LedRecord) == 24880);

} // namespace zorv
