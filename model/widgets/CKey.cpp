#include "model/widgets/CKey.h"

#include "model/widgets/WidgetBitmaps.h"

namespace zorv {

CKey::CKey() : CImageWidget("Key", "icon2\\Key_Esc1.bmp") {
    hand = WidgetBitmaps::shared().programBitmap("icon2\\Key_Hand1.bmp");
}

int32_t CKey::HandWidth() const {
    return handShown && hand ? reducedSize(hand->width(), IntScale()) : 0;
}

// The width reduces the sum of both images at once, the height follows the key alone.
void CKey::FitToContent() {
    if (points.size() < 4)
        return;
    const int32_t handPixels = handShown && hand ? hand->width() : 0;
    points[2].x = points[3].x = points[0].x + reducedSize(handPixels + BitmapWidth(), IntScale());
    points[1].y = points[2].y = points[0].y + reducedSize(BitmapHeight(), IntScale());
}

void CKey::DrawShape() {
    if (points.size() < 4)
        return;
    const int32_t x = int32_t(points[0].x);
    const int32_t y = int32_t(points[0].y);
    const int32_t s = IntScale();
    if (handShown && hand)
        DrawImage(*hand, x, y, HandWidth(), reducedSize(hand->height(), s));
    if (bitmap)
        DrawImage(*bitmap, x + HandWidth(), y, reducedSize(BitmapWidth(), s),
                  reducedSize(BitmapHeight(), s));
}

} // namespace zorv
