#include "app/fontmaker/GlyphImage.h"

#include <QPainter>

namespace zorv::fontmaker {

QImage glyphImage(const oonedraw::GlyphRows& rows, int scale) {
    const int side = int(rows.size());
    QImage image(side * scale, side * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            if (rows[std::size_t(y)] & (0x8000u >> x))
                painter.fillRect(x * scale, y * scale, scale, scale, Qt::black);
        }
    }
    return image;
}

} // namespace zorv::fontmaker
