#include "app/CTrueColorToolBar.h"

#include <QBitmap>
#include <QFile>
#include <QImage>
#include <QtEndian>

namespace zorv {

namespace {

// A BMP stores its rows bottom-up unless its height is negative, so its first stored pixel is
// the bottom-left one, or the top-left one of a top-down BMP.
QPoint firstStoredPixel(const QByteArray& bytes, const QImage& image) {
    if (bytes.size() >= 26 && bytes.startsWith("BM")) {
        const auto height = qFromLittleEndian<qint32>(bytes.constData() + 22);
        if (height < 0)
            return {0, 0};
    }
    return {0, image.height() - 1};
}

} // namespace

QList<QPixmap> cutTrueColorStrip(const QString& file, int width) {
    QFile f(file);
    if (width <= 0 || !f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = f.readAll();
    QImage strip;
    if (!strip.loadFromData(bytes) || strip.width() < width)
        return {};
    strip = strip.convertToFormat(QImage::Format_RGB32);
    const QRgb clear = strip.pixel(firstStoredPixel(bytes, strip));
    QList<QPixmap> pictures;
    for (int x = 0; x + width <= strip.width(); x += width) {
        QPixmap picture = QPixmap::fromImage(strip.copy(x, 0, width, strip.height()));
        picture.setMask(picture.createMaskFromColor(QColor(clear), Qt::MaskInColor));
        pictures << picture;
    }
    return pictures;
}

CTrueColorToolBar::CTrueColorToolBar(const QString& title, QWidget* parent)
    : QToolBar(title, parent) {}

bool CTrueColorToolBar::loadTrueColorToolBar(int buttonWidth, const QString& normal,
                                             const QString& hot, const QString& disabled) {
    const QList<QPixmap> normals = cutTrueColorStrip(normal, buttonWidth);
    if (normals.isEmpty())
        return false;
    const QList<QPixmap> hots =
        hot.isEmpty() ? QList<QPixmap>() : cutTrueColorStrip(hot, buttonWidth);
    const QList<QPixmap> disableds =
        disabled.isEmpty() ? QList<QPixmap>() : cutTrueColorStrip(disabled, buttonWidth);
    icons_.clear();
    for (qsizetype i = 0; i < normals.size(); ++i) {
        QIcon icon(normals[i]);
        if (i < hots.size())
            icon.addPixmap(hots[i], QIcon::Active);
        if (i < disableds.size())
            icon.addPixmap(disableds[i], QIcon::Disabled);
        icons_ << icon;
    }
    setIconSize(normals.first().size());
    return true;
}

} // namespace zorv
