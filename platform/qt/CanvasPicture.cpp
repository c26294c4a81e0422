#include "platform/qt/CanvasPicture.h"

#include <QPainter>

#include "platform/qt/QtDrawContext.h"

namespace zorv {

QImage paintCanvas(oonedraw::GCanvas& canvas, const QRect& area) {
    QImage image(area.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(-area.topLeft());
    QtDrawContext dc(&painter);
    canvas.dc = &dc;
    canvas.Draw();
    canvas.dc = nullptr;
    return image;
}

} // namespace zorv
