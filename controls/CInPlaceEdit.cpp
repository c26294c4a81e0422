#include "CInPlaceEdit.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QStyle>
#include <algorithm>

#include "controls/CellEditEnd.h"

namespace zorv {

CInPlaceEdit::CInPlaceEdit(QWidget* parent) : QLineEdit(parent) {
    hide();
    connect(this, &QLineEdit::textChanged, this, &CInPlaceEdit::fitToText);
}

void CInPlaceEdit::start(const QRect& cell, int maxWidth, const QString& text) {
    setText(text);
    placeOver(cell, maxWidth);
    selectAll();
    show();
    raise();
    setFocus(Qt::OtherFocusReason);
}

void CInPlaceEdit::placeOver(const QRect& cell, int maxWidth) {
    cell_ = cell;
    maxWidth_ = maxWidth;
    fitToText();
}

void CInPlaceEdit::fitToText() {
    if (cell_.isEmpty())
        return;
    // Room for the text, the frame, the inner margins and the caret.
    const QMargins margins = textMargins();
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    const int needed =
        fontMetrics().horizontalAdvance(text()) + margins.left() + margins.right() + 2 * frame + 8;
    const int width = std::clamp(needed, cell_.width(), std::max(cell_.width(), maxWidth_));
    setGeometry(cell_.left(), cell_.top(), width, cell_.height());
}

bool CInPlaceEdit::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride &&
        cellEditKeyEnd(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QLineEdit::event(event);
}

void CInPlaceEdit::keyPressEvent(QKeyEvent* event) {
    if (const std::optional<bool> commit = cellEditKeyEnd(*event))
        emit finished(*commit);
    else
        QLineEdit::keyPressEvent(event);
}

void CInPlaceEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // The box's own context menu takes the focus for a while; the edit goes on.
    if (cellEditFocusEnd(*event, *this))
        emit finished(true);
}

} // namespace zorv
