#pragma once
// The canvas's drawing context over a QPainter, with the pixel rules of the panel editor:
// no antialiasing, integer rectangles whose right and bottom edges are excluded, lines that
// leave out their end point, and inverting and exclusive-or drawing for tool feedback.

#include "oonedraw/GDrawContext.h"
#include "oonedraw/GObject.h"

#include <QFont>
#include <QStringDecoder>

#include <cstdint>
#include <vector>

class QPainter;

namespace zorv {

// The owner keeps one context for the canvas and attaches the painter of each paint with
// setPainter; with no painter attached every call draws nothing. Inverting and exclusive-or
// drawing need a raster target (a QImage or a raster-backed widget).
class QtDrawContext : public oonedraw::GDrawContext {
public:
    explicit QtDrawContext(QPainter* painter = nullptr);
    void setPainter(QPainter* painter);

    void SetPen(const oonedraw::GPen& pen) override;
    void SetBrush(const oonedraw::GBrush& brush) override;
    void SetFont(const std::string& face, int32_t height) override;
    void SetTextBackground(bool opaque) override { opaqueText_ = opaque; }
    void SetInvertMode(bool on) override { invert_ = on; }
    void Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override;
    void Rectangle(const oonedraw::GIntRect& r) override;
    void FillRect(const oonedraw::GIntRect& r, uint32_t colour) override;
    void FrameRect(const oonedraw::GIntRect& r, uint32_t colour) override;
    void Polygon(const std::vector<oonedraw::GPoint>& points) override;
    void Text(int32_t x, int32_t y, const std::string& text) override;
    void InvertRect(const oonedraw::GIntRect& r) override;
    void FocusRect(const oonedraw::GIntRect& r) override;
    void StretchBitmap(const oonedraw::GBitmap& bitmap, const oonedraw::GIntRect& dest,
                       uint32_t transparent) override;
    void Pixel(int32_t x, int32_t y, uint32_t colour) override;

    // Styles besides 0 (solid) that the context knows: no pen, and a brush that fills nothing.
    static constexpr int32_t kPenNull = 5;
    static constexpr int32_t kBrushHollow = 1;

private:
    // Fills r in the colour, or inverts it while the inverting mode is on.
    void Cover(const QRect& r, const QColor& colour);
    // Puts the context's pen (and brush) and the inverting mode on the painter.
    void ApplyStroke(bool withBrush);
    bool hasPen() const { return pen_.style != kPenNull; }
    bool hasBrush() const { return brush_.style != kBrushHollow; }

    QPainter* painter_ = nullptr;
    oonedraw::GPen pen_;
    oonedraw::GBrush brush_;
    QFont font_;
    int32_t cellHeight_ = 1; // the character height asked for; a column is half of it wide
    QStringDecoder decoder_{"GB2312"};
    bool opaqueText_ = false;
    bool invert_ = false;
};

} // namespace zorv
