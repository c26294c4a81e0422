#include "model/widgets/PastePlacement.h"

#include <algorithm>

#include "model/Bytes.h"
#include "model/widgets/CanvasPlacement.h"

namespace zorv {

namespace {

struct Position {
    int x, y;
    bool operator==(const Position&) const = default;
};

Position positionOf(const WidgetNode& node) {
    return {le::u16(node.record.data() + 2), le::u16(node.record.data() + 4)};
}

// A step outwards from the display's right or bottom edge half would leave it sooner.
int stepFor(int lowest, int highest, int extent, int step) {
    return highest + step < extent / 2 || lowest - step < 0 ? step : -step;
}

} // namespace

std::vector<int32_t> pasteIntoPage(CPage& page, std::vector<WidgetNode> widgets, int step) {
    std::erase_if(widgets, [](const WidgetNode& n) { return n.record.size() < 6; });
    std::vector<Position> taken;
    for (const WidgetNode& node : page.widgets)
        if (node.record.size() >= 6)
            taken.push_back(positionOf(node));
    const bool clash = std::any_of(widgets.begin(), widgets.end(), [&](const WidgetNode& n) {
        return std::find(taken.begin(), taken.end(), positionOf(n)) != taken.end();
    });
    int dx = 0, dy = 0;
    if (clash && !widgets.empty()) {
        int left = kDisplayWidth, right = 0, top = kDisplayHeight, bottom = 0;
        for (const WidgetNode& node : widgets) {
            const Position p = positionOf(node);
            left = std::min(left, p.x), right = std::max(right, p.x);
            top = std::min(top, p.y), bottom = std::max(bottom, p.y);
        }
        dx = stepFor(left, right, kDisplayWidth, step);
        dy = stepFor(top, bottom, kDisplayHeight, step);
    }
    std::vector<int32_t> ids;
    for (WidgetNode& node : widgets) {
        const Position p = positionOf(node);
        le::putU16(node.record.data() + 2, uint16_t(std::clamp(p.x + dx, 0, kDisplayWidth - 1)));
        le::putU16(node.record.data() + 4, uint16_t(std::clamp(p.y + dy, 0, kDisplayHeight - 1)));
        node.id = page.nextWidgetId++;
        ids.push_back(node.id);
        page.widgets.push_back(std::move(node));
    }
    return ids;
}

} // namespace zorv
