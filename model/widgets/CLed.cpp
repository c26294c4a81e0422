#include "model/widgets/CLed.h"

namespace zorv {

CLed::CLed() : CImageWidget("Led", "icon2\\Led_Round1.bmp") {}

void CLed::FitToContent() {
    if (points.size() < 4)
        return;
    points[2].x = points[3].x = points[0].x + reducedSize(BitmapWidth(), IntScale());
    points[1].y = points[2].y = points[0].y + reducedSize(BitmapHeight(), IntScale());
}

void CLed::DrawShape() {
    if (!bitmap || points.size() < 4)
        return;
    DrawImage(*bitmap, int32_t(points[0].x), int32_t(points[0].y),
              reducedSize(BitmapWidth(), IntScale()), reducedSize(BitmapHeight(), IntScale()));
}

} // namespace zorv
