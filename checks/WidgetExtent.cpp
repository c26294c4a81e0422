#include "checks/WidgetExtent.h"

#include <algorithm>

#include "model/WidgetRecords.h"

namespace zorv {

namespace {

constexpr int kCell = 8, kLine = 16, kSymbol = 16;

int scaleOf(bool doubleSize) {
    return doubleSize ? 2 : 1;
}

// Cells of the widest used entry in either language.
template <class R> int widestEntry(const R& r, int entries) {
    int widest = 0;
    for (int k = 0; k < entries; ++k) {
        const ChoiceEntry c = r.entry(k);
        if (c.used)
            widest = std::max(
                {widest, textWidthCells(c.text[0].view()), textWidthCells(c.text[1].view())});
    }
    return widest;
}

WidgetExtent textBox(uint16_t x, uint16_t y, int cells, int lines, bool doubleSize) {
    const int s = scaleOf(doubleSize);
    return {x, y, cells * kCell * s, lines * kLine * s};
}

std::optional<WidgetExtent> ledExtent(const LedRecord& r) {
    const int s = scaleOf(r.flags() & LedRecord::kDoubleSize);
    if (r.displayType() != LedRecord::Custom)
        return WidgetExtent{r.x(), r.y(), kSymbol * s, kSymbol * s};
    const int w = std::max(r.pictureWidth(0), r.pictureWidth(1));
    const int h = std::max(r.pictureHeight(0), r.pictureHeight(1));
    return WidgetExtent{r.x(), r.y(), w * s, h * s};
}

std::optional<WidgetExtent> keyExtent(const KeyRecord& r) {
    if (r.attributes() & KeyRecord::kInvisible)
        return std::nullopt;
    const int s = scaleOf(r.attributes() & KeyRecord::kDoubleSize);
    const int symbols = r.hand() ? 2 : 1;
    return WidgetExtent{r.x(), r.y(), symbols * kSymbol * s, kSymbol * s};
}

// Digits, a decimal point and a sign.
int registerCells(const RegisterRecord& r) {
    const bool sign = r.option(RegisterRecord::kSigned) && !r.option(RegisterRecord::kHexBcd);
    return r.digits() + (r.decimals() > 0 ? 1 : 0) + (sign ? 1 : 0);
}

int alarmCells(const AlarmListRecord& r) {
    int widest = 0;
    const int entries = std::min<int>(r.entryCount(), AlarmListRecord::kCapacity);
    for (int k = 0; k < entries; ++k)
        widest = std::max(
            {widest, textWidthCells(r.text(k, 0).view()), textWidthCells(r.text(k, 1).view())});
    return widest;
}

} // namespace

std::optional<WidgetExtent> widgetExtent(const WidgetNode& node) {
    if (!isWidgetKind(int32_t(node.kind)) || node.record.size() != recordSize(node.kind))
        return std::nullopt;
    constexpr uint8_t kDoubleAttr = 1u << 4; // DisplayAttributes and size bytes alike
    switch (node.kind) {
    case WidgetKind::StaticText: {
        const auto r = node.get<StaticTextRecord>();
        const int cells =
            std::max(textWidthCells(r.text(0).view()), textWidthCells(r.text(1).view()));
        return textBox(r.x(), r.y(), cells, 1, r.attributes() & kDoubleAttr);
    }
    case WidgetKind::DynamicText: {
        const auto r = node.get<DynamicTextRecord>();
        return textBox(r.x(), r.y(), widestEntry(r, DynamicTextRecord::kCapacity), 1,
                       r.attributes() & kDoubleAttr);
    }
    case WidgetKind::Register: {
        const auto r = node.get<RegisterRecord>();
        return textBox(r.x(), r.y(), registerCells(r), 1,
                       r.sizeFlags() & RegisterRecord::kSizeDouble);
    }
    case WidgetKind::Menu: {
        const auto r = node.get<MenuRecord>();
        return textBox(r.x(), r.y(), widestEntry(r, MenuRecord::kCapacity),
                       std::max<int>(r.rows(), 1), false);
    }
    case WidgetKind::Alarm: {
        const auto r = node.get<AlarmListRecord>();
        return textBox(r.x(), r.y(), alarmCells(r), std::max<int>(r.rows(), 1), false);
    }
    case WidgetKind::Password: {
        // The eight stars of the entry.
        const auto r = node.get<PasswordRecord>();
        return textBox(r.x(), r.y(), 8, 1, false);
    }
    case WidgetKind::Led:
        return ledExtent(node.get<LedRecord>());
    case WidgetKind::Key:
        return keyExtent(node.get<KeyRecord>());
    case WidgetKind::Bar: {
        const auto r = node.get<BarRecord>();
        return WidgetExtent{r.x(), r.y(), r.width(), r.height()};
    }
    case WidgetKind::Trend: {
        const auto r = node.get<TrendRecord>();
        return WidgetExtent{r.x(), r.y(), r.width(), r.height()};
    }
    case WidgetKind::Picture: {
        const auto r = node.get<PictureRecord>();
        return WidgetExtent{r.x(), r.y(), r.width(), r.height()};
    }
    default:
        return std::nullopt;
    }
}

} // namespace zorv
