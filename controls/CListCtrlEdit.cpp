#include "CListCtrlEdit.h"

#include <QKeyEvent>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace zorv {

CListCtrlEdit::CListCtrlEdit(QWidget* parent) : CInPlaceEdit(parent) {}

void CListCtrlEdit::setDigitsOnly(bool on) {
    if (!on) {
        setValidator(nullptr);
        return;
    }
    static const QRegularExpression digits(QStringLiteral("[0-9]*"));
    if (!validator())
        setValidator(new QRegularExpressionValidator(digits, this));
}

bool CListCtrlEdit::event(QEvent* event) {
    // Tab would move the focus before keyPressEvent sees it.
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab && !(key->modifiers() & ~Qt::KeypadModifier)) {
            emit tabPressed();
            return true;
        }
    }
    return CInPlaceEdit::event(event);
}

} // namespace zorv
