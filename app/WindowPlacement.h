#pragma once
// Where the editor's own windows open: beside the main frame rather than over it.

#include <QPoint>
#include <QSize>

class QWidget;

namespace zorv {

// Where a window of `size` opens beside `window` (the index-th of several): on its right, else
// on its left, else over its lower part, within the screen.
QPoint besideWindow(const QWidget& window, QSize size, int index = 0);

} // namespace zorv
