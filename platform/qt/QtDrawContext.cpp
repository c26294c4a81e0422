#include "platform/qt/QtDrawContext.h"

#include "oonedraw/GBitmap.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <QRegion>

#include <algorithm>
#include <cstdlib>

namespace zorv {

using oonedraw::GIntRect;

namespace {

QColor ToColor(uint32_t rgb) {
    return QColor::fromRgb(QRgb(0xFF000000u | rgb));
}

// The bitmap with its transparent colour as alpha 0. Converting a key-sized bitmap costs
// less than a cache lookup that checks the pixels would, so nothing is kept between draws.
QImage Converted(const oonedraw::GBitmap& bitmap, uint32_t transparent) {
    QImage image(bitmap.width(), bitmap.height(), QImage::Format_ARGB32);
    const uint32_t key = transparent & 0xFFFFFFu;
    for (int32_t y = 0; y < bitmap.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int32_t x = 0; x < bitmap.width(); ++x) {
            const uint32_t rgb = bitmap.pixel(x, y) & 0xFFFFFFu;
            row[x] = rgb == key ? 0u : 0xFF000000u | rgb;
        }
    }
    return image;
}

// The pixels [left, right) x [top, bottom); empty when either edge pair is reversed.
QRect ToQRect(const GIntRect& r) {
    return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

// The border of width pixels just inside outer, as non-overlapping rectangles, so that an
// inverting fill touches every pixel once.
QRegion Band(const QRect& outer, int width) {
    return QRegion(outer).subtracted(QRegion(outer.adjusted(width, width, -width, -width)));
}

} // namespace

QtDrawContext::QtDrawContext(QPainter* painter) {
    setPainter(painter);
}

void QtDrawContext::setPainter(QPainter* painter) {
    painter_ = painter && painter->isActive() ? painter : nullptr;
    if (!painter_)
        return;
    // The panel is monochrome: every edge lands on whole pixels.
    painter_->setRenderHint(QPainter::Antialiasing, false);
    painter_->setRenderHint(QPainter::TextAntialiasing, false);
    painter_->setRenderHint(QPainter::SmoothPixmapTransform, false);
}

void QtDrawContext::SetPen(const oonedraw::GPen& pen) {
    pen_ = pen;
}

void QtDrawContext::SetBrush(const oonedraw::GBrush& brush) {
    brush_ = brush;
}

// A negative height is a character height, as the framework's fonts give it. The pixel size
// is lowered until a whole line (ascent and descent) fits the cell height, so text keeps to
// the cells its object was sized for.
void QtDrawContext::SetFont(const std::string& face, int32_t height) {
    cellHeight_ = std::max(1, std::abs(height));
    font_ = QFont(QString::fromStdString(face));
    font_.setStyleStrategy(QFont::NoAntialias);
    for (int size = cellHeight_; size >= 1; --size) {
        font_.setPixelSize(size);
        if (QFontMetrics(font_).height() <= cellHeight_)
            break;
    }
}

void QtDrawContext::Cover(const QRect& r, const QColor& colour) {
    if (invert_) {
        painter_->setCompositionMode(QPainter::RasterOp_NotDestination);
        painter_->fillRect(r, Qt::black);
        painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
    } else {
        painter_->fillRect(r, colour);
    }
}

void QtDrawContext::ApplyStroke(bool withBrush) {
    // A flat cap leaves out the end point of a line, as the framework's outlines expect:
    // a closed outline then draws each corner once.
    QPen pen(ToColor(pen_.colour), pen_.width > 1 ? pen_.width : 0);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    painter_->setPen(hasPen() ? pen : QPen(Qt::NoPen));
    painter_->setBrush(withBrush && hasBrush() ? QBrush(ToColor(brush_.colour)) : QBrush());
    painter_->setCompositionMode(invert_ ? QPainter::RasterOp_NotDestination
                                         : QPainter::CompositionMode_SourceOver);
}

void QtDrawContext::Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    if (!painter_ || !hasPen())
        return;
    ApplyStroke(false);
    painter_->drawLine(x1, y1, x2, y2);
    painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

// The outline lies inside the rectangle, the brush fills what the outline leaves.
void QtDrawContext::Rectangle(const GIntRect& r) {
    if (!painter_)
        return;
    const QRect outer = ToQRect(r);
    if (outer.isEmpty())
        return;
    const int penWidth = hasPen() ? std::max(1, pen_.width) : 0;
    if (hasBrush()) {
        const QRect inner = outer.adjusted(penWidth, penWidth, -penWidth, -penWidth);
        if (!inner.isEmpty())
            Cover(inner, ToColor(brush_.colour));
    }
    if (penWidth > 0)
        for (const QRect& part : Band(outer, penWidth))
            Cover(part, ToColor(pen_.colour));
}

void QtDrawContext::FillRect(const GIntRect& r, uint32_t colour) {
    if (painter_)
        painter_->fillRect(ToQRect(r), ToColor(colour));
}

void QtDrawContext::FrameRect(const GIntRect& r, uint32_t colour) {
    if (!painter_)
        return;
    for (const QRect& part : Band(ToQRect(r), 1))
        painter_->fillRect(part, ToColor(colour));
}

void QtDrawContext::Polygon(const std::vector<oonedraw::GPoint>& points) {
    if (!painter_ || points.size() < 2)
        return;
    QPolygon polygon;
    polygon.reserve(qsizetype(points.size()));
    for (const oonedraw::GPoint& p : points)
        polygon << QPoint(int(p.x), int(p.y));
    ApplyStroke(true);
    painter_->drawPolygon(polygon);
    painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

// (x, y) is the top-left corner of the text's first cell; the bytes are the project's code
// page, one column each, a column half the cell height wide. A proportional face runs wider
// than its columns, so a wider text is narrowed to them: frames, meshes and the object's
// bounds then enclose exactly what is shown.
void QtDrawContext::Text(int32_t x, int32_t y, const std::string& text) {
    if (!painter_ || text.empty())
        return;
    decoder_.resetState();
    const QString shown = decoder_.decode(QByteArrayView(text.data(), qsizetype(text.size())));
    const QFontMetrics metrics(font_);
    const int columns = int(text.size()) * cellHeight_ / 2;
    if (opaqueText_)
        painter_->fillRect(QRect(x, y, columns, cellHeight_), ToColor(brush_.colour));
    painter_->save();
    painter_->translate(x, y);
    const int natural = metrics.horizontalAdvance(shown);
    if (natural > columns)
        painter_->scale(double(columns) / natural, 1.0);
    painter_->setFont(font_);
    painter_->setPen(ToColor(pen_.colour));
    painter_->drawText(QPoint(0, metrics.ascent()), shown);
    painter_->restore();
}

void QtDrawContext::InvertRect(const GIntRect& r) {
    if (!painter_)
        return;
    painter_->setCompositionMode(QPainter::RasterOp_NotDestination);
    painter_->fillRect(ToQRect(r), Qt::black);
    painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

// Every other pixel of the border, each exactly once, flipped by exclusive-or with white:
// drawing the same rectangle again restores the picture. A band dragged up or to the left
// arrives with its corners reversed, so they are sorted first.
void QtDrawContext::FocusRect(const GIntRect& r) {
    if (!painter_)
        return;
    const int left = std::min(r.left, r.right), right = std::max(r.left, r.right);
    const int top = std::min(r.top, r.bottom), bottom = std::max(r.top, r.bottom);
    if (left == right || top == bottom)
        return;
    QPolygon dots;
    auto dot = [&](int x, int y) {
        if ((x - left + y - top) % 2 == 0)
            dots << QPoint(x, y);
    };
    for (int x = left; x < right; ++x) {
        dot(x, top);
        if (bottom - 1 > top)
            dot(x, bottom - 1);
    }
    for (int y = top + 1; y < bottom - 1; ++y) {
        dot(left, y);
        if (right - 1 > left)
            dot(right - 1, y);
    }
    painter_->setPen(QPen(Qt::white, 0));
    painter_->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter_->drawPoints(dots);
    painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

// Nearest-pixel stretching; the transparent colour leaves the picture below untouched.
void QtDrawContext::StretchBitmap(const oonedraw::GBitmap& bitmap, const GIntRect& dest,
                                  uint32_t transparent) {
    const QRect target = ToQRect(dest);
    if (!painter_ || bitmap.isNull() || target.isEmpty())
        return;
    painter_->drawImage(target, Converted(bitmap, transparent));
}

void QtDrawContext::Pixel(int32_t x, int32_t y, uint32_t colour) {
    if (painter_)
        painter_->fillRect(QRect(x, y, 1, 1), ToColor(colour));
}

} // namespace zorv
