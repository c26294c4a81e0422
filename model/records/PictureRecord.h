#pragma once

#include "model/records/LedRecord.h"

namespace zorv {

struct PictureRecord : WidgetRecord<12436, WidgetKind::Picture> {
    static constexpr std::size_t kWidthOff = 12, kHeightOff = 14, kBitmapOff = 16;
    static constexpr std::size_t kCountOff = 12304, kNameOff = 12308;

    static PictureRecord makeDefault() { return PictureRecord{}; }

    uint16_t width() const { return u16(kWidthOff); }
    uint16_t height() const { return u16(kHeightOff); }
    void setSize(uint16_t w, uint16_t h) {
        setU16(kWidthOff, w);
        setU16(kHeightOff, h);
    }
    int32_t bitmapCount() const { return i32(kCountOff); }
    std::span<const uint8_t> bitmap() const {
        return bitmapAt(kBitmapOff, kCountOff, kBitmapCapacity);
    }
    // Bitmaps above 12288 bytes are cut to the capacity.
    void setBitmap(std::span<const uint8_t> data) {
        setBitmapAt(kBitmapOff, kCountOff, kBitmapCapacity, data);
    }
    std::string pictureName() const { return cStringAt(kNameOff, kPictureNameSize); }
    void setPictureName(std::string_view name) { setCStringAt(kNameOff, kPictureNameSize, name); }
};
static_assert(sizeof(PictureRecord) == 12436);

} // namespace zorv
