#include "editor/AlignCommands.h"

#include "editor/WidgetResize.h"

#include <algorithm>
#include <numeric>

#include "model/Bytes.h"
#include "model/widgets/CanvasPlacement.h"

namespace zorv {

namespace {

// One direction of a box: across (x and width) or down (y and height).
struct Axis {
    int32_t LayoutBox::*at;
    int32_t LayoutBox::*length;
};
constexpr Axis kAcross{&LayoutBox::x, &LayoutBox::width};
constexpr Axis kDown{&LayoutBox::y, &LayoutBox::height};

int32_t startOf(std::span<const LayoutBox> boxes, const Axis& axis) {
    int32_t start = boxes.front().*axis.at;
    for (const LayoutBox& b : boxes)
        start = std::min(start, b.*axis.at);
    return start;
}

int32_t endOf(std::span<const LayoutBox> boxes, const Axis& axis) {
    int32_t end = boxes.front().*axis.at + boxes.front().*axis.length;
    for (const LayoutBox& b : boxes)
        end = std::max(end, b.*axis.at + b.*axis.length);
    return end;
}

// 0: the starts on the spanned box's start, 2: the ends on its end, 1: the centres on its
// centre (which keeps every box inside, as none is longer than the span).
void lineUp(std::vector<LayoutBox>& boxes, const Axis& axis, int where) {
    const int32_t start = startOf(boxes, axis), end = endOf(boxes, axis);
    for (LayoutBox& b : boxes) {
        const int32_t length = b.*axis.length;
        b.*axis.at = where == 0   ? start
                     : where == 2 ? end - length
                                  : start + (end - start) / 2 - length / 2;
    }
}

// The first and the last keep their places; the others come between them with equal spaces.
// Boxes too long for spaces (they overlap) get equal steps between their starts instead.
void spaceOut(std::vector<LayoutBox>& boxes, const Axis& axis) {
    std::vector<std::size_t> order(boxes.size());
    std::iota(order.begin(), order.end(), std::size_t(0));
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return boxes[a].*axis.at < boxes[b].*axis.at;
    });
    const int32_t start = startOf(boxes, axis), end = endOf(boxes, axis);
    int32_t lengths = 0;
    for (const LayoutBox& b : boxes)
        lengths += b.*axis.length;
    const int32_t steps = int32_t(boxes.size()) - 1;
    const int32_t room = end - start - lengths;
    const int32_t lastStart = boxes[order.back()].*axis.at;
    int32_t before = 0; // the lengths of the boxes placed so far
    for (int32_t i = 0; i < int32_t(order.size()); ++i) {
        LayoutBox& b = boxes[order[std::size_t(i)]];
        b.*axis.at =
            room >= 0 ? start + before + room * i / steps : start + (lastStart - start) * i / steps;
        before += b.*axis.length;
    }
}

// Every other bar or trend takes the first one's length; storing it keeps it to the rules.
void sizeAlike(std::vector<LayoutBox>& boxes, const Axis& axis) {
    const auto pattern = std::find_if(boxes.begin(), boxes.end(), [](auto& b) { return b.sized; });
    const int32_t wanted = (*pattern).*axis.length;
    for (LayoutBox& b : boxes)
        if (b.sized)
            b.*axis.length = wanted;
}

} // namespace

LayoutBox layoutBoxOf(const oonedraw::GObject& object, WidgetKind kind) {
    if (object.points.empty())
        return {};
    oonedraw::GPoint topLeft;
    object.TopLeft(topLeft);
    const DisplayPoint at = displayPointOf(topLeft);
    // A length of an odd number of units still covers its last pixel.
    const auto pixels = [](double units) { return (int32_t(units) + 1) / kUnitsPerPixel; };
    return {at.x, at.y, pixels(object.Width()), pixels(object.Height()), hasSize(kind)};
}

bool canArrange(Arrange how, std::span<const LayoutBox> boxes) {
    switch (how) {
    case Arrange::Across:
    case Arrange::Down:
        return boxes.size() >= 3;
    case Arrange::SameWidth:
    case Arrange::SameHeight:
        return std::count_if(boxes.begin(), boxes.end(), [](auto& b) { return b.sized; }) >= 2;
    default:
        return boxes.size() >= 2;
    }
}

std::vector<LayoutBox> arranged(Arrange how, std::span<const LayoutBox> boxes) {
    std::vector<LayoutBox> result(boxes.begin(), boxes.end());
    if (!canArrange(how, boxes))
        return result;
    switch (how) {
    case Arrange::Left:
        lineUp(result, kAcross, 0);
        break;
    case Arrange::Centres:
        lineUp(result, kAcross, 1);
        break;
    case Arrange::Right:
        lineUp(result, kAcross, 2);
        break;
    case Arrange::Top:
        lineUp(result, kDown, 0);
        break;
    case Arrange::Middles:
        lineUp(result, kDown, 1);
        break;
    case Arrange::Bottom:
        lineUp(result, kDown, 2);
        break;
    case Arrange::Across:
        spaceOut(result, kAcross);
        break;
    case Arrange::Down:
        spaceOut(result, kDown);
        break;
    case Arrange::SameWidth:
        sizeAlike(result, kAcross);
        break;
    case Arrange::SameHeight:
        sizeAlike(result, kDown);
        break;
    }
    return result;
}

bool storeLayoutBox(WidgetNode& node, const LayoutBox& before, const LayoutBox& after) {
    if (!isWidgetKind(int32_t(node.kind)) || node.record.size() != recordSize(node.kind))
        return false;
    if (hasSize(node.kind) && (after.width != before.width || after.height != before.height)) {
        // As the pane stores a typed Wide and High: cut to their bounds, with what depends on
        // them.
        if (auto sized = sizedRecord(node.kind, node.record,
                                     DisplayBox{after.x, after.y, after.width, after.height}))
            node.record = std::move(*sized);
        return true;
    }
    // Every record keeps x at offset 2 and y at offset 4.
    if (after.x != before.x)
        le::putU16(node.record.data() + 2, uint16_t(std::clamp(after.x, 0, kDisplayWidth - 1)));
    if (after.y != before.y)
        le::putU16(node.record.data() + 4, uint16_t(std::clamp(after.y, 0, kDisplayHeight - 1)));
    return true;
}

} // namespace zorv
