#include "oonedraw/GText.h"

#include "oonedraw/GCanvas.h"

#include <cctype>

namespace oonedraw {

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kMeshGrey = 0x808080;
constexpr const char* kDefaultFace = "Arial";

// "&" followed by two hex digits inside the text: a library character code.
bool IsCodeAt(const std::string& text, size_t i) {
    return text[i] == '&' && i + 2 < text.size() && std::isxdigit(uint8_t(text[i + 1])) &&
           std::isxdigit(uint8_t(text[i + 2]));
}

uint8_t HexDigit(char c) {
    return std::isdigit(uint8_t(c)) ? uint8_t(c - '0')
                                    : uint8_t(std::tolower(uint8_t(c)) - 'a' + 10);
}

} // namespace

int32_t GText::ColumnCount(const std::string& text) {
    int32_t n = int32_t(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (IsCodeAt(text, i))
            --n;
    }
    return n;
}

void GText::FitToContent() {
    if (points.size() < 4)
        return;
    const int32_t n = ColumnCount(text);
    const int32_t h = FontHeight();
    // Integer division truncates toward zero, as the cell arithmetic expects.
    points[2].x = points[3].x = points[0].x - (n * h * 16) / 32;
    points[1].y = points[2].y = points[0].y - h;
}

void GText::DrawShape() {
    if (!canvas || !canvas->dc || points.size() < 4)
        return;
    GDrawContext& dc = *canvas->dc;
    dc.SetFont(fontFace.empty() ? kDefaultFace : fontFace, -FontHeight());
    dc.SetTextBackground(inverse != 0);
    // The cells of an inverted text are filled white behind the characters, so that the
    // inversion shows white characters on black; the object's brush, black unless set, would
    // hide them.
    if (inverse)
        dc.SetBrush(GBrush{0, kWhite, 0});
    if (!DrawCharacters(dc))
        return;
    const int32_t columns = FrameColumns();
    if (framed)
        DrawFrame(dc, columns);
    if (meshed)
        DrawMesh(dc, columns);
    if (inverse) {
        GRect bounds;
        GetBounds(bounds);
        dc.InvertRect(bounds.truncated());
    }
}

// Plain characters go out in pieces, each at the x of its first column; a library code
// takes two columns whether or not its glyph exists.
bool GText::DrawCharacters(GDrawContext& dc) const {
    const int32_t x0 = int32_t(points[0].x);
    const int32_t y0 = int32_t(points[0].y);
    const int32_t h = FontHeight();
    const int32_t side = int32_t(32 * scale);
    int32_t column = 0;
    auto columnX = [&] { return x0 - (h * column * 16) / 32; };
    auto put = [&](size_t from, size_t to) {
        if (to <= from)
            return;
        dc.Text(columnX(), y0, text.substr(from, to - from));
        column += int32_t(to - from);
    };
    size_t pos = 0;
    for (size_t amp = text.find('&'); amp != std::string::npos; amp = text.find('&', pos)) {
        put(pos, amp);
        if (!IsCodeAt(text, amp)) {
            put(amp, amp + 1);
            pos = amp + 1;
            continue;
        }
        const uint8_t code = uint8_t(HexDigit(text[amp + 1]) << 4 | HexDigit(text[amp + 2]));
        GBitmap glyph;
        const auto status =
            canvas->glyphs ? canvas->glyphs->Glyph(code, glyph) : GGlyphSource::Status::NoEntry;
        if (status == GGlyphSource::Status::NoLibrary)
            return false;
        if (status == GGlyphSource::Status::Found && !glyph.isNull()) {
            const int32_t x = columnX();
            dc.StretchBitmap(glyph, GIntRect{x, y0, x + side, y0 + side}, kWhite);
        }
        column += 2;
        pos = amp + 3;
    }
    put(pos, text.size());
    return true;
}

// Without any "&" trailing spaces are left out (keeping at least one character); with one,
// the frame covers every column.
int32_t GText::FrameColumns() const {
    if (text.find('&') != std::string::npos)
        return ColumnCount(text);
    size_t n = text.size();
    while (n > 1 && text[n - 1] == ' ')
        --n;
    return int32_t(n);
}

// p0, along the top to the frame's width, down to the bottom, back to p1 and up to p0.
void GText::DrawFrame(GDrawContext& dc, int32_t columns) const {
    const int32_t x0 = int32_t(points[0].x);
    const int32_t y0 = int32_t(points[0].y);
    const int32_t x1 = int32_t(points[1].x);
    const int32_t y1 = int32_t(points[1].y);
    const int32_t right = x0 + int32_t(columns * 16 * scale);
    const int32_t bottom = int32_t(points[2].y);
    dc.Line(x0, y0, right, y0);
    dc.Line(right, y0, right, bottom);
    dc.Line(right, bottom, x1, y1);
    dc.Line(x1, y1, x0, y0);
}

// A grey grid of display pixel pairs: lines every 4 units per scale across the cells, the
// seven inside a line's height and the 4n - 1 inside n columns.
void GText::DrawMesh(GDrawContext& dc, int32_t columns) const {
    if (columns <= 0)
        return;
    const int32_t x0 = int32_t(points[0].x);
    const int32_t y0 = int32_t(points[0].y);
    const int32_t y1 = int32_t(points[1].y);
    const int32_t right = x0 + int32_t(16 * columns * scale) - 1;
    dc.SetPen(GPen{1, kMeshGrey, 0});
    for (int32_t k = 4; k <= 28; k += 4) {
        const int32_t y = y0 + int32_t(k * scale);
        dc.Line(x0 + 1, y, right, y);
    }
    for (int32_t i = 1; i < 4 * columns; ++i) {
        const int32_t x = x0 + int32_t(4 * i * scale);
        dc.Line(x, y0 + 1, x, y1 - 1);
    }
}

void GText::InvalidateBox() {
    if (canvas && points.size() >= 4)
        canvas->Invalidate(GRect{points[0].x, points[0].y, points[2].x, points[2].y});
}

void GText::SetText(const std::string& value) {
    text = value;
    FitToContent();
    InvalidateBox();
}

void GText::SetScale(float value) {
    scale = value;
    FitToContent();
    InvalidateBox();
}

void GText::SetInverse(uint8_t value) {
    inverse = value;
    InvalidateBox();
}

void GText::SetFramed(uint8_t value) {
    framed = value;
    InvalidateBox();
}

void GText::SetMeshed(uint8_t value) {
    meshed = value;
    InvalidateBox();
}

} // namespace oonedraw
