#include "panel/PanelWidgetDrawing.h"

#include <algorithm>
#include <array>

#include "model/DisplayAttributes.h"
#include "model/records/BarRecord.h"
#include "model/records/DynamicTextRecord.h"
#include "model/records/KeyRecord.h"
#include "model/records/LedRecord.h"
#include "model/records/PictureRecord.h"
#include "model/records/StaticTextRecord.h"
#include "model/records/TrendRecord.h"
#include "panel/PanelChartScale.h"
#include "panel/PanelGlyphs.h"
#include "panel/PanelListDrawing.h"
#include "panel/PanelRegisterField.h"
#include "panel/PanelTextBlock.h"

namespace zorv::panel {

namespace {

int language(const DrawContext& c) {
    return c.image.languages() == 2 && c.screen.language == 1 ? 1 : 0;
}

void drawStaticText(const DrawContext& c, const sim::ImageWidget& w) {
    const uint8_t attributes = HeadBytes(w).u8(StaticTextRecord::kAttributesOff);
    const int scale = attributes & attr::kDoubleSize ? 2 : 1;
    drawTextBlock(c.picture, c.image.description(), w.text[language(c)].chars,
                  {w.x, w.y, scale, attributes, 0});
}

void drawDynamicText(const DrawContext& c, const sim::ImageWidget& w) {
    const HeadBytes head(w);
    const uint8_t attributes = head.u8(DynamicTextRecord::kAttributesOff);
    const int scale = attributes & attr::kDoubleSize ? 2 : 1;
    const RegisterRef reg = head.reg(DynamicTextRecord::kStationOff);
    const uint16_t value = c.registers.word(reg);
    const int lang = language(c);
    const TextBlock block{w.x, w.y, scale, attributes, w.textWidths[lang] * kCellWidth * scale};
    // A value that no level names shows the widest level's cells blank.
    const auto level = std::find_if(w.choices.begin(), w.choices.end(),
                                    [&](const sim::ImageChoice& ch) { return ch.value == value; });
    const std::span<const sim::ImageChar> none;
    drawTextBlock(c.picture, c.image.description(),
                  level == w.choices.end() ? none : std::span(level->text[lang].chars), block);
}

void drawRegister(const DrawContext& c, const sim::ImageWidget& w) {
    const RegisterField field(w);
    const bool entering = c.screen.entryWidget == c.position;
    const std::string text =
        entering ? formatTyped(c.screen.entry, field.format()) : field.text(c.registers);
    // The field being entered shows inverted against its usual look.
    const bool inverted = field.inverted() != entering;
    drawTextBlock(c.picture, c.image.description(), asciiChars(text),
                  {w.x, w.y, field.scale(), uint8_t(inverted ? attr::kInverted : 0), 0});
}

// The pixels of a 16 x 16 glyph that no path of blank pixels joins to the cell's edge.
std::array<bool, 256> enclosedPixels(const std::array<uint8_t, 32>& glyph) {
    std::array<bool, 256> ink{}, outside{};
    for (int x = 0; x < 16; ++x)
        for (int y = 0; y < 16; ++y)
            ink[y * 16 + x] = (uint16_t(glyph[2 * x] | glyph[2 * x + 1] << 8) >> y) & 1;
    std::vector<int> todo;
    for (int i = 0; i < 16; ++i)
        for (const int p : {i, 240 + i, 16 * i, 16 * i + 15})
            if (!ink[p] && !outside[p]) {
                outside[p] = true;
                todo.push_back(p);
            }
    while (!todo.empty()) {
        const int p = todo.back();
        todo.pop_back();
        const int x = p % 16, y = p / 16;
        for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
            const int nx = x + dx, ny = y + dy;
            const int q = ny * 16 + nx;
            if (nx >= 0 && nx < 16 && ny >= 0 && ny < 16 && !ink[q] && !outside[q]) {
                outside[q] = true;
                todo.push_back(q);
            }
        }
    }
    std::array<bool, 256> inside{};
    for (int p = 0; p < 256; ++p)
        inside[p] = !ink[p] && !outside[p];
    return inside;
}

// A lit lamp symbol has its inside filled; a symbol without an inside is inverted instead.
void lightLamp(const DrawContext& c, const sim::ImageWidget& w, int scale) {
    const auto& chars = w.symbol->chars;
    if (chars.empty() || chars[0].kind != sim::ImageChar::Glyph)
        return;
    const auto inside = enclosedPixels(c.image.description().glyphs[chars[0].value]);
    if (std::none_of(inside.begin(), inside.end(), [](bool b) { return b; })) {
        c.picture.invert(w.x, w.y, kGlyphWidth * scale, kLineHeight * scale);
        return;
    }
    for (int p = 0; p < 256; ++p)
        if (inside[p])
            c.picture.fill(w.x + (p % 16) * scale, w.y + (p / 16) * scale, scale, scale, true);
}

// In the image a light's head holds the page offsets of its two images where the record keeps
// reserved bytes.
constexpr std::size_t kLightImage1Off = 12, kLightImage2Off = 14;

const sim::ImageBitmap* lightImage(const sim::ImageWidget& w, bool lit) {
    const HeadBytes head(w);
    const uint16_t first = head.u16(kLightImage1Off), second = head.u16(kLightImage2Off);
    for (const auto& b : w.bitmaps) {
        if (lit && b.offset == first && second > first)
            return &b;
        if (!lit && b.offset == second)
            return &b;
    }
    return nullptr;
}

void drawLight(const DrawContext& c, const sim::ImageWidget& w) {
    const HeadBytes head(w);
    const uint8_t flags = head.u8(LedRecord::kFlagsOff);
    const RegisterRef reg = head.reg(LedRecord::kStationOff);
    const bool lit = c.registers.bit(reg) != bool(flags & LedRecord::kNegativeLogic);
    const int scale = flags & LedRecord::kDoubleSize ? 2 : 1;
    if ((flags & LedRecord::kCustomPictures) && !w.bitmaps.empty()) {
        if (const sim::ImageBitmap* image = lightImage(w, lit))
            drawBands(c.picture, *image, w.x, w.y, scale, !kLightImageInkIsClearBit);
        return;
    }
    if (!w.symbol)
        return;
    drawText(c.picture, c.image.description(), w.symbol->chars, w.x, w.y, scale);
    if (lit)
        lightLamp(c, w, scale);
}

void drawKey(const DrawContext& c, const sim::ImageWidget& w) {
    const uint8_t attributes = HeadBytes(w).u8(KeyRecord::kAttributesOff);
    if ((attributes & KeyRecord::kInvisible) || !w.symbol)
        return;
    const int scale = attributes & KeyRecord::kDoubleSize ? 2 : 1;
    const uint8_t shown = attributes & KeyRecord::kInverted ? attr::kInverted : 0;
    drawTextBlock(c.picture, c.image.description(), w.symbol->chars, {w.x, w.y, scale, shown, 0});
}

void drawBar(const DrawContext& c, const sim::ImageWidget& w) {
    const auto r = headRecord<BarRecord>(w);
    const int width = r.width(), height = r.height();
    c.picture.frame(w.x, w.y, width, height);
    const double f = chartFraction(r, chartValue(r, c.registers));
    const int innerW = std::max(width - 2, 0), innerH = std::max(height - 2, 0);
    const int fillH = int(f * innerH + 0.5), fillW = int(f * innerW + 0.5);
    const int left = w.x + 1, top = w.y + 1;
    switch (r.direction()) {
    case 1: // down
        c.picture.fill(left, top, innerW, fillH, true);
        break;
    case 2: // left
        c.picture.fill(left + innerW - fillW, top, fillW, innerH, true);
        break;
    case 3: // right
        c.picture.fill(left, top, fillW, innerH, true);
        break;
    default: // up
        c.picture.fill(left, top + innerH - fillH, innerW, fillH, true);
        break;
    }
}

void drawTrend(const DrawContext& c, const sim::ImageWidget& w) {
    const auto r = headRecord<TrendRecord>(w);
    const int x0 = w.x, y0 = w.y, x1 = w.x + r.width() - 1, y1 = w.y + r.height() - 1;
    const int axis = x0 + kTrendAxisInset;
    c.picture.vline(axis, y0, y1);
    c.picture.hline(axis, x1, y1);
    for (int i = 0; i <= 4; ++i)
        c.picture.hline(x0, axis - 1, y0 + (y1 - y0) * i / 4);
    const auto yOf = [&](int64_t value) {
        return y1 - 1 - int(chartFraction(r, value) * (y1 - 1 - y0) + 0.5);
    };
    const int pitch = std::max<int>(r.dotPitch(), 1);
    const TrendSamples* samples = c.screen.trends.of(c.position);
    if (!samples || samples->values.empty()) {
        const int y = yOf(chartValue(r, c.registers));
        for (int x = axis + pitch; x <= x1; x += pitch)
            c.picture.set(x, y, true);
        return;
    }
    int x = axis + pitch, y = yOf(samples->values.front());
    c.picture.set(x, y, true);
    for (std::size_t k = 1; k < samples->values.size(); ++k) {
        const int nextY = yOf(samples->values[k]);
        c.picture.line(x, y, x + pitch, nextY);
        x += pitch;
        y = nextY;
    }
}

void drawPicture(const DrawContext& c, const sim::ImageWidget& w) {
    if (!w.bitmaps.empty())
        drawBands(c.picture, w.bitmaps.front(), w.x, w.y, 1, true);
}

} // namespace

void drawWidget(const DrawContext& c, const sim::ImageWidget& w) {
    switch (w.kind) {
    case WidgetKind::StaticText:
        return drawStaticText(c, w);
    case WidgetKind::DynamicText:
        return drawDynamicText(c, w);
    case WidgetKind::Register:
        return drawRegister(c, w);
    case WidgetKind::Led:
        return drawLight(c, w);
    case WidgetKind::Key:
        return drawKey(c, w);
    case WidgetKind::Bar:
        return drawBar(c, w);
    case WidgetKind::Trend:
        return drawTrend(c, w);
    case WidgetKind::Picture:
        return drawPicture(c, w);
    case WidgetKind::Menu:
        return drawMenu(c, w, language(c));
    case WidgetKind::Password:
        return drawPassword(c, w);
    case WidgetKind::Alarm:
        return drawAlarmList(c, w, language(c));
    default:
        return;
    }
}

} // namespace zorv::panel
