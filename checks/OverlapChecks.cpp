// Widgets that run into each other on the panel's display: each widget of a page is drawn alone
// by the panel's renderer from the download image, and a widget whose ink falls inside the
// drawn area of another (or the other way round) is reported, once per pair, with the
// languages in which it happens.

#include <algorithm>
#include <map>

#include "checks/CheckContext.h"
#include "model/Bytes.h"
#include "model/WidgetKind.h"
#include "panel/PanelImage.h"
#include "panel/PanelWidgetDrawing.h"

namespace zorv {

namespace {

constexpr int kWidth = 192, kHeight = 64;

// What one widget draws alone, and the rectangle that holds its ink (empty: right < left).
struct Footprint {
    panel::PanelPicture picture;
    int left = kWidth, top = kHeight, right = -1, bottom = -1;
};

Footprint footprintOf(const panel::PanelImage& image, int page, int language, int position) {
    const sim::ImagePage& source = *image.page(page);
    Footprint f;
    panel::PanelScreen screen;
    screen.page = page;
    screen.language = language;
    const panel::PanelRegisters registers;
    panel::drawWidget({f.picture, image, registers, screen, position},
                      source.widgets[std::size_t(position)]);
    for (int y = 0; y < kHeight; ++y) {
        const auto row = f.picture.row(y);
        const auto first = std::find(row.begin(), row.end(), 1);
        if (first == row.end())
            continue;
        const auto last = std::find(row.rbegin(), row.rend(), 1);
        f.left = std::min(f.left, int(first - row.begin()));
        f.right = std::max(f.right, int(row.rend() - last) - 1);
        f.top = std::min(f.top, y);
        f.bottom = y;
    }
    return f;
}

// Whether the ink of either lies within the other's rectangle: all such ink lies where the two
// rectangles meet.
bool overlap(const Footprint& a, const Footprint& b) {
    const int left = std::max(a.left, b.left), right = std::min(a.right, b.right);
    const int top = std::max(a.top, b.top), bottom = std::min(a.bottom, b.bottom);
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            if (a.picture.pixel(x, y) || b.picture.pixel(x, y))
                return true;
    return false;
}

// The project's widget for each widget of the image's page: the same kind at the same place,
// in page order.
std::vector<const WidgetNode*> projectWidgets(const sim::ImagePage& source, const CPage& page) {
    std::vector<const WidgetNode*> found;
    std::vector<bool> taken(page.widgets.size());
    for (const sim::ImageWidget& w : source.widgets) {
        const WidgetNode* match = nullptr;
        for (std::size_t i = 0; i < page.widgets.size() && !match; ++i) {
            const WidgetNode& node = page.widgets[i];
            if (taken[i] || node.kind != w.kind || node.record.size() < 6 ||
                le::u16(node.record.data() + 2) != w.x || le::u16(node.record.data() + 4) != w.y)
                continue;
            taken[i] = true;
            match = &node;
        }
        found.push_back(match);
    }
    return found;
}

std::string placeOf(const WidgetNode& node) {
    return std::string(typeName(node.kind)) + " " + std::to_string(node.id) + " (" +
           std::to_string(le::u16(node.record.data() + 2)) + "," +
           std::to_string(le::u16(node.record.data() + 4)) + ")";
}

} // namespace

void checkOverlaps(const CheckContext& context, Findings& out) {
    if (context.input.image.empty())
        return;
    panel::PanelImage image;
    std::string error;
    if (!image.load(context.input.image, error))
        return;
    for (int p = 0; p < image.pageCount(); ++p) {
        const CPage* page = context.input.project.pageByNumber(image.pageNumber(p));
        const sim::ImagePage& source = *image.page(p);
        if (!page)
            continue;
        const std::vector<const WidgetNode*> nodes = projectWidgets(source, *page);
        const int count = int(source.widgets.size());
        // The languages in which each pair (earlier, later) overlaps: bit 0 language 1.
        std::map<std::pair<int, int>, int> overlaps;
        for (int language = 0; language < image.languages(); ++language) {
            std::vector<Footprint> drawn;
            for (int w = 0; w < count; ++w)
                drawn.push_back(footprintOf(image, p, language, w));
            for (int a = 0; a < count; ++a)
                for (int b = a + 1; b < count; ++b)
                    if (overlap(drawn[std::size_t(a)], drawn[std::size_t(b)]))
                        overlaps[{a, b}] |= 1 << language;
        }
        for (const auto& [pair, languages] : overlaps) {
            const WidgetNode* earlier = nodes[std::size_t(pair.first)];
            const WidgetNode* later = nodes[std::size_t(pair.second)];
            if (!earlier || !later)
                continue;
            const char* where = languages == 3   ? "in both languages"
                                : languages == 1 ? "in language 1"
                                                 : "in language 2";
            out.push_back(widgetFinding(Severity::Warning, "widgets-overlap", *page, *later,
                                        "runs into " + placeOf(*earlier) +
                                            " on the panel's display " + where));
        }
    }
}

} // namespace zorv
