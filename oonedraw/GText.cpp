#include "oonedraw/GText.h"

#include "oonedraw/GCanvas.h"

#include <cctype>

namespace oonedraw {

int32_t GText::ColumnCount(const std::string& text) {
    int32_t n = int32_t(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 2 < text.size() && std::isxdigit(uint8_t(text[i + 1])) &&
            std::isxdigit(uint8_t(text[i + 2])))
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

} // namespace oonedraw
