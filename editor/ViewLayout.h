#pragma once
// Where the editing view puts the page tree, the panel and the property panes for a window size
// and a zoom, and how a point of the window maps to view units and back. In view units the panel
// picture is 520 x 258 and the display 384 x 128 inside it, two units a display pixel; at 100 %
// a view unit is a window pixel. A zoom step is the number of window pixels one display pixel
// takes (2: 100 %, 3: 150 %, ... 6: 300 %), so that display pixels stay whole and crisp.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

namespace zorv {

struct ViewLayout {
    static constexpr int kMinStep = 2, kMaxStep = 6;
    // The panel picture and the display in view units at the 750 pixels wide layout.
    static const QRect kPanel;
    static const QRect kDisplay;

    QSize window;     // the size the layout is for
    QRect tree;       // the page tree, in window pixels
    QRect pane;       // the property panes
    QRect area;       // the part of the window that shows the panel, without its scroll bars
    QPoint panelAt;   // the window point of the panel picture's top-left corner
    QPoint panelView; // the view point of that corner
    int step = kMinStep;
    int fitStep = kMinStep;  // the largest step at which the whole panel fits the window
    QPoint scroll;           // how far the panel is scrolled, in window pixels
    QSize scrollRange{0, 0}; // how far it can be scrolled; 0 where it fits

    // The view point under a window point (whole units, rounded down).
    QPoint toView(QPoint window) const;
    // The window point of a view point's top-left corner.
    QPoint toWindow(QPoint view) const;
    // The window pixels that show a rectangle of view units, whole pixels outward.
    QRect toWindow(const QRect& view) const;
    // The zoom in percent: 100 at step 2.
    int percent() const { return step * 50; }
};

struct ViewLayoutRequest {
    QSize window;
    int chosenStep = 0; // 0: the largest step at which the whole panel fits, at least 100 %
    QPoint panelView;   // where the view keeps the panel's top-left corner in view units
    // How far the panel is scrolled; nothing to centre the display.
    std::optional<QPoint> scroll;
    int scrollBarExtent = 0; // the width of a scroll bar
    int paneHeight = 0;      // the least height the panes need; 0: the layout's 290
};

// Where the panel fits, it takes the largest zoom step the window has room for above the panes;
// the tree takes what the panel leaves of the width up to 250 pixels, the panes the rest of the
// width and height below the panel. Where it does not fit, the tree keeps its width and the
// panel scrolls in what is left.
ViewLayout layoutView(const ViewLayoutRequest& request);
// The smallest view that shows the tree, the panel at 100 % and panes of that height whole.
QSize leastViewSize(int paneHeight);

} // namespace zorv
