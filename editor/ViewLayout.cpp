#include "editor/ViewLayout.h"

#include <algorithm>

namespace zorv {

const QRect ViewLayout::kPanel(QPoint(220, 15), QPoint(739, 272));
const QRect ViewLayout::kDisplay(QPoint(290, 55), QPoint(673, 182));

namespace {

constexpr int kMargin = 10;
constexpr int kGap = 5;
constexpr int kTreeWidth = 200;
constexpr int kPaneWidth = 525;
constexpr int kPaneHeight = 290;

int floorDiv(int a, int b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// Window pixels that `units` view units take at a step.
int pixels(int units, int step) {
    return units * step / 2;
}

bool fits(QSize content, QSize room) {
    return content.width() + 2 * kGap <= room.width() &&
           content.height() + 2 * kGap <= room.height();
}

QSize scaled(const QRect& view, int step) {
    return {pixels(view.width(), step), pixels(view.height(), step)};
}

// The largest step at which `view` fits the room, at least the smallest step.
int largestFitting(const QRect& view, QSize room) {
    int step = ViewLayout::kMinStep;
    while (step < ViewLayout::kMaxStep && fits(scaled(view, step + 1), room))
        ++step;
    return step;
}

} // namespace

ViewLayout layoutView(QSize window, int chosenStep, QPoint panelView) {
    ViewLayout l;
    l.window = window;
    l.panelView = panelView;
    const int w = window.width(), h = window.height();
    const int areaLeft = kMargin + kTreeWidth + kGap;
    // A window smaller than the layout at 100 % keeps that layout and cuts it at the right and
    // the bottom.
    const int smallestPaneTop = kMargin + ViewLayout::kPanel.height() + 2 * kGap + 2;
    l.pane = QRect(std::max(areaLeft, w - kMargin - kPaneWidth),
                   std::max(smallestPaneTop, h - kMargin - kPaneHeight), kPaneWidth, kPaneHeight);
    const QSize room(w - kGap - areaLeft, l.pane.top() - 2 - kMargin);
    l.fitStep = largestFitting(ViewLayout::kPanel, room);
    l.largestStep = largestFitting(ViewLayout::kDisplay, room);
    l.step = chosenStep == 0
                 ? l.fitStep
                 : std::clamp(chosenStep, ViewLayout::kMinStep, std::max(l.largestStep, l.fitStep));

    const QSize panel = scaled(ViewLayout::kPanel, l.step);
    const bool whole = fits(panel, room) || l.step == ViewLayout::kMinStep;
    // The tree takes what the panel leaves of the width.
    const int treeRight =
        whole ? std::max(kMargin + kTreeWidth, w - kGap - panel.width() - 2 * kGap - kGap)
              : kMargin + kTreeWidth;
    l.tree = QRect(QPoint(kMargin, kMargin), QPoint(treeRight - 1, h - kMargin - 1));
    l.area = QRect(QPoint(treeRight + kGap, kMargin), QPoint(w - kGap - 1, l.pane.top() - 3));
    if (whole) {
        l.panelAt =
            QPoint(std::max(l.area.left() + kGap, l.area.right() + 1 - kGap - panel.width()),
                   l.area.top() + kGap);
    } else {
        const QSize display = scaled(ViewLayout::kDisplay, l.step);
        const QPoint displayAt(l.area.left() + (l.area.width() - display.width()) / 2,
                               l.area.top() + (l.area.height() - display.height()) / 2);
        l.panelAt = displayAt -
                    QPoint(pixels(ViewLayout::kDisplay.left() - ViewLayout::kPanel.left(), l.step),
                           pixels(ViewLayout::kDisplay.top() - ViewLayout::kPanel.top(), l.step));
    }
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
