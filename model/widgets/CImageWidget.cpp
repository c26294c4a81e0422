#include "model/widgets/CImageWidget.h"

#include "model/widgets/WidgetBitmaps.h"
#include "oonedraw/GCanvas.h"

namespace zorv {

CImageWidget::CImageWidget(std::string_view typeName, std::string_view defaultImage) {
    name = typeName;
    pen.colour = colour::kGreen;
    brush.colour = colour::kGrey;
    bitmap = WidgetBitmaps::shared().programBitmap(defaultImage);
}

void CImageWidget::DrawImage(const oonedraw::GBitmap& image, int32_t x, int32_t y, int32_t w,
                             int32_t h) const {
    if (canvas && canvas->dc)
        canvas->dc->StretchBitmap(image, {x, y, x + w, y + h}, colour::kWhite);
}

} // namespace zorv
