#include "panel/PanelGlyphs.h"

namespace zorv::panel {

namespace {

constexpr uint8_t kFirstAscii = 0x20, kLastAscii = 0x7E;

// One band column: bit r of the little-endian word is row r.
void drawColumn(PanelPicture& picture, uint16_t column, int x, int y, int rows, int scale) {
    for (int r = 0; r < rows; ++r)
        if (column & (1u << r))
            picture.fill(x, y + r * scale, scale, scale, true);
}

void drawGlyph(PanelPicture& picture, std::span<const uint8_t> glyph, int columns, int x, int y,
               int scale) {
    for (int c = 0; c < columns; ++c) {
        const uint16_t word = uint16_t(glyph[2 * c] | glyph[2 * c + 1] << 8);
        drawColumn(picture, word, x + c * scale, y, kLineHeight, scale);
    }
}

int charWidth(const sim::ImageChar& c) {
    return c.kind == sim::ImageChar::Glyph ? kGlyphWidth : kCellWidth;
}

int drawChar(PanelPicture& picture, const sim::ImageDescription& image, const sim::ImageChar& c,
             int x, int y, int scale) {
    if (c.kind == sim::ImageChar::Glyph && c.value < image.glyphs.size())
        drawGlyph(picture, image.glyphs[c.value], kGlyphWidth, x, y, scale);
    else if (c.kind == sim::ImageChar::Ascii && c.value >= kFirstAscii && c.value <= kLastAscii &&
             std::size_t(c.value - kFirstAscii) < image.asciiGlyphs.size())
        drawGlyph(picture, image.asciiGlyphs[c.value - kFirstAscii], kCellWidth, x, y, scale);
    return charWidth(c) * scale;
}

} // namespace

int textWidth(std::span<const sim::ImageChar> chars, int scale) {
    int width = 0;
    for (const auto& c : chars)
        width += charWidth(c) * scale;
    return width;
}

int drawText(PanelPicture& picture, const sim::ImageDescription& image,
             std::span<const sim::ImageChar> chars, int x, int y, int scale) {
    int pos = x;
    for (const auto& c : chars)
        pos += drawChar(picture, image, c, pos, y, scale);
    return pos - x;
}

void drawBands(PanelPicture& picture, const sim::ImageBitmap& bitmap, int x, int y, int scale,
               bool inkBit) {
    const int w = bitmap.width, h = bitmap.height;
    const int bands = (h + kLineHeight - 1) / kLineHeight;
    if (std::size_t(2 * w * bands) > bitmap.bytes.size())
        return;
    for (int b = 0; b < bands; ++b) {
        // A height that is no multiple of 16 ends in a band holding the bottom 16 rows.
        const bool overlapping = b == bands - 1 && h % kLineHeight != 0 && h > kLineHeight;
        const int top = overlapping ? h - kLineHeight : b * kLineHeight;
        for (int c = 0; c < w; ++c) {
            const std::size_t at = 2 * (std::size_t(b) * w + c);
            const uint16_t word = uint16_t(bitmap.bytes[at] | bitmap.bytes[at + 1] << 8);
            for (int r = 0; r < kLineHeight && top + r < h; ++r)
                if (bool(word & (1u << r)) == inkBit)
                    picture.fill(x + c * scale, y + (top + r) * scale, scale, scale, true);
        }
    }
}

} // namespace zorv::panel
