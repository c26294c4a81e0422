#include "controls/CellEditEnd.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QWidget>

namespace zorv {

std::optional<bool> cellEditKeyEnd(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return true;
    case Qt::Key_Escape:
        return false;
    default:
        return std::nullopt;
    }
}

bool cellEditFocusEnd(const QFocusEvent& event, const QWidget& editor) {
    return event.reason() != Qt::PopupFocusReason && editor.isVisible();
}

} // namespace zorv
