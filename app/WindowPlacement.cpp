#include "app/WindowPlacement.h"

#include <QScreen>
#include <QWidget>

namespace zorv {

QPoint besideWindow(const QWidget& window, QSize size, int index) {
    const QRect frame = window.frameGeometry();
    const QRect screen =
        window.screen() ? window.screen()->availableGeometry() : QRect(0, 0, 1920, 1080);
    QPoint at(frame.right() + 8, frame.top() + index * 48);
    // No room on the right: on the left, else over the frame's lower part.
    if (at.x() + size.width() > screen.right())
        at.setX(frame.left() - 8 - size.width());
    if (at.x() < screen.left())
        at = QPoint(frame.left() + 40 + index * 24, frame.bottom() - size.height() - 40);
    return at;
}

} // namespace zorv
