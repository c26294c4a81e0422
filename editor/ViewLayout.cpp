#include "editor/ViewLayout.h"

#include <algorithm>

namespace zorv {

const QRect ViewLayout::kPanel(QPoint(220, 15), QPoint(739, 272));
const QRect ViewLayout::kDisplay(QPoint(290, 55), QPoint(673, 182));

namespace {

constexpr int kMargin = 10;
constexpr int kGap = 5;
constexpr int kTreeWidth = 200;
// Beyond this the tree has no use for more width: the panel and the pane take it.
constexpr int kTreeMaxWidth = 250;
constexpr int kPaneWidth = 525;
constexpr int kPaneHeight = 290;

int floorDiv(int a, int b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// Window pixels that `units` view units take at a step.
int pixels(int units, int step) {
    return units * step / 2;
}

QSize scaled(QSize view, int step) {
    return {pixels(view.width(), step), pixels(view.height(), step)};
}

bool fits(QSize content, QSize room) {
    return content.width() + 2 * kGap <= room.width() &&
           content.height() + 2 * kGap <= room.height();
}

// The panes' height at the least: what they need, at most the layout's 290.
int paneHeightFor(int needed) {
    return needed > 0 ? std::min(needed, kPaneHeight) : kPaneHeight;
}

// Right below the panel at 100 %.
int smallestPaneTop() {
    return kMargin + ViewLayout::kPanel.height() + 2 * kGap + 2;
}

} // namespace

QSize leastViewSize(int paneHeight) {
    return {kMargin + kTreeWidth + kGap + kPaneWidth + kMargin,
            smallestPaneTop() + paneHeightFor(paneHeight) + kMargin};
}

ViewLayout layoutView(const ViewLayoutRequest& request) {
    ViewLayout l;
    l.window = request.window;
    l.panelView = request.panelView;
    const int w = request.window.width(), h = request.window.height();
    const int areaLeft = kMargin + kTreeWidth + kGap;
    // A window smaller than the layout at 100 % keeps that layout, cut at the right and bottom.
    const int paneHeight = paneHeightFor(request.paneHeight);
    l.pane = QRect(std::max(areaLeft, w - kMargin - kPaneWidth),
                   std::max(smallestPaneTop(), h - kMargin - paneHeight), kPaneWidth, paneHeight);
    const QSize room(w - kGap - areaLeft, l.pane.top() - 2 - kMargin);
    while (l.fitStep < ViewLayout::kMaxStep &&
           fits(scaled(ViewLayout::kPanel.size(), l.fitStep + 1), room))
        ++l.fitStep;
    l.step = request.chosenStep == 0
                 ? l.fitStep
                 : std::clamp(request.chosenStep, ViewLayout::kMinStep, ViewLayout::kMaxStep);

    const QSize panel = scaled(ViewLayout::kPanel.size(), l.step);
    if (l.step <= l.fitStep) {
        // The tree takes what the panel leaves of the width, up to the width it has a use for.
        const int treeRight = std::clamp(w - 3 * kGap - panel.width() - kGap, kMargin + kTreeWidth,
                                         kMargin + kTreeMaxWidth);
        l.tree = QRect(QPoint(kMargin, kMargin), QPoint(treeRight - 1, h - kMargin - 1));
        // The panes follow right below the panel and take the rest of the width and height.
        const int paneTop = kMargin + panel.height() + 2 * kGap + 2;
        l.area = QRect(QPoint(treeRight + kGap, kMargin), QPoint(w - kGap - 1, paneTop - 3));
        const int paneLeft = std::min(l.pane.left(), l.area.left());
        l.pane = QRect(QPoint(paneLeft, paneTop),
                       QPoint(std::max(paneLeft + kPaneWidth, w - kMargin) - 1,
                              std::max(paneTop + paneHeight, h - kMargin) - 1));
        // The panel in the middle of its part of the window, above the pane.
        l.panelAt = QPoint(
            std::max(l.area.left() + kGap, l.area.left() + (l.area.width() - panel.width()) / 2),
            l.area.top() + kGap);
        return l;
    }
    l.tree = QRect(QPoint(kMargin, kMargin), QPoint(areaLeft - kGap - 1, h - kMargin - 1));
    l.area = QRect(QPoint(areaLeft, kMargin), QPoint(w - kGap - 1 - request.scrollBarExtent,
                                                     l.pane.top() - 3 - request.scrollBarExtent));
    const QSize content = panel + QSize(2 * kGap, 2 * kGap);
    l.scrollRange = (content - l.area.size()).expandedTo(QSize(0, 0));
    QPoint scroll;
    if (request.scroll) {
        scroll = *request.scroll;
    } else {
        // The middle of the display in the middle of the area.
        const QPoint middle(
            kGap + pixels(ViewLayout::kDisplay.center().x() - ViewLayout::kPanel.left(), l.step),
            kGap + pixels(ViewLayout::kDisplay.center().y() - ViewLayout::kPanel.top(), l.step));
        scroll = middle - QPoint(l.area.width() / 2, l.area.height() / 2);
    }
    l.scroll = QPoint(std::clamp(scroll.x(), 0, l.scrollRange.width()),
                      std::clamp(scroll.y(), 0, l.scrollRange.height()));
    // A panel smaller than the area one way stays centred that way.
    const QPoint centring((l.area.width() - content.width()) / 2,
                          (l.area.height() - content.height()) / 2);
    l.panelAt = l.area.topLeft() + QPoint(kGap, kGap) - l.scroll +
                QPoint(std::max(0, centring.x()), std::max(0, centring.y()));
    return l;
}

QPoint ViewLayout::toView(QPoint window) const {
    const QPoint d = window - panelAt;
    return panelView + QPoint(floorDiv(2 * d.x(), step), floorDiv(2 * d.y(), step));
}

QPoint ViewLayout::toWindow(QPoint view) const {
    const QPoint d = view - panelView;
    return panelAt + QPoint(floorDiv(d.x() * step, 2), floorDiv(d.y() * step, 2));
}

QRect ViewLayout::toWindow(const QRect& view) const {
    const QPoint d = view.bottomRight() + QPoint(1, 1) - panelView;
    const QPoint end =
        panelAt + QPoint(floorDiv(d.x() * step + 1, 2), floorDiv(d.y() * step + 1, 2));
    return QRect(toWindow(view.topLeft()), end - QPoint(1, 1));
}

} // namespace zorv
