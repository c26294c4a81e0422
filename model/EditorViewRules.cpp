#include "model/EditorViewRules.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "model/CPage.h"
#include "platform/CodePageText.h"

namespace zorv {

namespace {

struct ToolExtent {
    std::string_view tool;
    Extent extent;
};

constexpr std::array kExtents{
    ToolExtent{"Led", {32, 32}},        ToolExtent{"Key", {32, 32}},
    ToolExtent{"StaticText", {96, 32}}, ToolExtent{"DynamicText", {160, 32}},
    ToolExtent{"Register", {80, 32}},   ToolExtent{"Bar", {32, 96}},
    ToolExtent{"Trend", {192, 96}},     ToolExtent{"Password", {128, 32}},
    ToolExtent{"Menu", {128, 32}},      ToolExtent{"Alarm", {192, 32}},
};

std::string format(const char* pattern, int number) {
    char text[96];
    std::snprintf(text, sizeof text, pattern, number);
    return text;
}

} // namespace

std::optional<Extent> placementExtent(std::string_view tool, Extent pictureSize) {
    if (tool == "Picture")
        return Extent{2 * pictureSize.width, 2 * pictureSize.height};
    for (const ToolExtent& entry : kExtents)
        if (entry.tool == tool)
            return entry.extent;
    return std::nullopt;
}

oonedraw::GPoint shiftInward(oonedraw::GPoint press, Extent extent,
                             const oonedraw::GIntRect& display) {
    if (press.x + extent.width > display.right)
        press.x = display.right - extent.width;
    if (press.y + extent.height > display.bottom)
        press.y = display.bottom - extent.height;
    return press;
}

oonedraw::GPoint snappedTopLeft(int32_t pointerX, int32_t pointerY, int32_t grabX, int32_t grabY,
                                Extent size, const oonedraw::GIntRect& display, int32_t snapStep) {
    const int32_t step = 2 * snapStep;
    int32_t x = std::max(pointerX - grabX, display.left);
    int32_t y = std::max(pointerY - grabY, display.top);
    x = display.left + step * ((x - display.left) / step);
    y = display.top + step * ((y - display.top) / step);
    if (x + size.width > display.right)
        x = display.right - size.width;
    if (y + size.height > display.bottom)
        y = display.bottom - size.height;
    return {double(x), double(y)};
}

std::optional<oonedraw::GPoint> nudgeStep(Nudge side, oonedraw::GPoint topLeft, Extent size,
                                          const oonedraw::GIntRect& display) {
    const auto x = int32_t(topLeft.x), y = int32_t(topLeft.y);
    switch (side) {
    case Nudge::Left:
        return display.left < x ? std::optional<oonedraw::GPoint>({-2, 0}) : std::nullopt;
    case Nudge::Right:
        return x + size.width < display.right ? std::optional<oonedraw::GPoint>({2, 0})
                                              : std::nullopt;
    case Nudge::Up:
        return display.top < y ? std::optional<oonedraw::GPoint>({0, -2}) : std::nullopt;
    case Nudge::Down:
        return y + size.height < display.bottom ? std::optional<oonedraw::GPoint>({0, 2})
                                                : std::nullopt;
    }
    return std::nullopt;
}

oonedraw::GPoint displayPixelOf(oonedraw::GPoint p, const oonedraw::GIntRect& display) {
    return {double(int32_t((p.x - display.left) * 0.5)),
            double(int32_t((p.y - display.top) * 0.5))};
}

std::optional<std::string> pageDescriptionBytes(std::string_view utf8) {
    auto bytes = utf8ToCodePage(utf8);
    if (!bytes)
        return std::nullopt;
    std::size_t kept = 0;
    for (std::size_t at = 0; at < bytes->size();) {
        const std::size_t width = uint8_t((*bytes)[at]) >= 0x80 ? 2 : 1;
        if (at + width > CPage::kDescriptionCapacity)
            break;
        at += width;
        kept = at;
    }
    bytes->resize(kept);
    return bytes;
}

std::string pageItemText(int number, std::string_view description) {
    std::string text = format("Page %d", number);
    if (!description.empty())
        text.append("  - ").append(description);
    return text;
}

std::string pageExistsQuestion(int number, PlaceMode mode) {
    return format(mode == PlaceMode::Cover
                      ? "%d page already exists, whether to continue to cover?"
                      : "%d page already exists, whether to continue to insert?",
                  number);
}

std::string deletePageQuestion(int number) {
    return format("Do you really want to delete the Page%d?", number);
}

std::string copyPageLabel(int number) {
    return format("Copy %d page to:", number);
}

int proposedPageNumber(std::optional<int> selectedNumber) {
    return selectedNumber ? *selectedNumber + 1 : 0;
}

} // namespace zorv
