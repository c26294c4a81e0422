#include "panel/ui/PanelPictureImage.h"

namespace zorv::panel {

QImage pictureImage(const PanelPicture& picture, int scale) {
    QImage image(kWidth * scale, kHeight * scale, QImage::Format_Mono);
    image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    image.fill(0);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            if (picture.pixel(x, y))
                for (int dy = 0; dy < scale; ++dy)
                    for (int dx = 0; dx < scale; ++dx)
                        image.setPixel(x * scale + dx, y * scale + dy, 1);
    return image;
}

} // namespace zorv::panel
