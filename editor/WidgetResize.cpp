#include "editor/WidgetResize.h"

#include <algorithm>
#include <string>

#include "model/records/BarRecord.h"
#include "model/records/TrendRecord.h"
#include "model/rules/BarRules.h"
#include "model/rules/TrendRules.h"

namespace zorv {

namespace {

template <class R> R recordAs(std::span<const uint8_t> bytes) {
    R r;
    std::copy(bytes.begin(), bytes.end(), r.bytes.begin());
    return r;
}

// The pane's confirm over the record as stored, with only the position and the typed size new.
template <class R, class Form>
std::optional<std::vector<uint8_t>>
sizedAs(std::span<const uint8_t> bytes, const DisplayBox& box, Form (*formOf)(const R&),
        rules::ConfirmResult<R> (*confirm)(const R&, const Form&)) {
    if (bytes.size() != R::kSize)
        return std::nullopt;
    R r = recordAs<R>(bytes);
    r.setX(uint16_t(std::max(0, box.x)));
    r.setY(uint16_t(std::max(0, box.y)));
    Form form = formOf(r);
    form.width = std::to_string(box.w);
    form.height = std::to_string(box.h);
    const R sized = confirm(r, form).record;
    return std::vector<uint8_t>(sized.bytes.begin(), sized.bytes.end());
}

template <class R> DisplayBox boxAs(std::span<const uint8_t> bytes) {
    const R r = recordAs<R>(bytes);
    return {r.x(), r.y(), r.width(), r.height()};
}

DisplayBox boxOf(WidgetKind kind, std::span<const uint8_t> record) {
    return kind == WidgetKind::Bar ? boxAs<BarRecord>(record) : boxAs<TrendRecord>(record);
}

} // namespace

bool hasSize(WidgetKind kind) {
    return kind == WidgetKind::Bar || kind == WidgetKind::Trend;
}

std::optional<std::vector<uint8_t>> sizedRecord(WidgetKind kind, std::span<const uint8_t> record,
                                                const DisplayBox& box) {
    switch (kind) {
    case WidgetKind::Bar:
        return sizedAs<BarRecord>(record, box, &rules::barFormOf, &rules::confirmBar);
    case WidgetKind::Trend:
        return sizedAs<TrendRecord>(record, box, &rules::trendFormOf, &rules::confirmTrend);
    default:
        return std::nullopt;
    }
}

std::optional<Resized> resizeByCorner(WidgetKind kind, std::span<const uint8_t> record,
                                      const DisplayBox& start, Corner corner, int toX, int toY) {
    const bool movesLeft = corner == Corner::TopLeft || corner == Corner::BottomLeft;
    const bool movesTop = corner == Corner::TopLeft || corner == Corner::TopRight;
    DisplayBox box = start;
    if (movesLeft) {
        box.x = std::clamp(toX, 0, std::max(0, start.right()));
        box.w = start.right() - box.x;
    } else {
        box.w = toX - start.x;
    }
    if (movesTop) {
        box.y = std::clamp(toY, 0, std::max(0, start.bottom()));
        box.h = start.bottom() - box.y;
    } else {
        box.h = toY - start.y;
    }
    std::optional<std::vector<uint8_t>> sized = sizedRecord(kind, record, box);
    if (!sized)
        return std::nullopt;
    // A size the rules raised (to the smallest one) moves a dragged left or top edge back, so
    // that the kept edge stays where it was.
    const DisplayBox bounded = boxOf(kind, *sized);
    if ((movesLeft && bounded.w != box.w) || (movesTop && bounded.h != box.h)) {
        if (movesLeft)
            box = {std::max(0, start.right() - bounded.w), box.y, bounded.w, box.h};
        if (movesTop)
            box = {box.x, std::max(0, start.bottom() - bounded.h), box.w, bounded.h};
        sized = sizedRecord(kind, record, box);
    }
    return Resized{boxOf(kind, *sized), std::move(*sized)};
}

} // namespace zorv
