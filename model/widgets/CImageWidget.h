#pragma once
// What the light, key and picture widgets share: a framework image object with the widget's
// type name, its default image from the program folder, green lines and a grey fill.

#include <cstdint>
#include <string_view>

#include "model/widgets/WidgetColours.h"
#include "oonedraw/GImage.h"

namespace zorv {

// Light and key images are drawn at 8/9 of their pixel size (integer division) times the scale.
constexpr int32_t reducedSize(int32_t pixels, int32_t scale) {
    return pixels * 8 / 9 * scale;
}

class CImageWidget : public oonedraw::GImage {
public:
    int32_t IntScale() const { return scale >= 2.0f ? 2 : 1; }

protected:
    CImageWidget(std::string_view typeName, std::string_view defaultImage);
    // Copies `image` to (x, y) stretched to w x h, white transparent.
    void DrawImage(const oonedraw::GBitmap& image, int32_t x, int32_t y, int32_t w,
                   int32_t h) const;
};

} // namespace zorv
