#include "CComboItem.h"

#include <QAbstractItemView>
#include <QFocusEvent>
#include <QKeyEvent>

#include "controls/CellEditEnd.h"

namespace zorv {

CComboItem::CComboItem(QWidget* parent) : QComboBox(parent) {
    hide();
    // Esc in the open list discards at once, instead of only closing the list.
    view()->installEventFilter(this);
    connect(this, &QComboBox::activated, this, [this] { emit finished(true); });
}

void CComboItem::start(const QRect& cell, const QStringList& choices, const QString& text) {
    clear();
    addItems(choices);
    setCurrentIndex(findText(text));
    setGeometry(cell);
    show();
    raise();
    setFocus(Qt::OtherFocusReason);
    showPopup();
}

void CComboItem::keyPressEvent(QKeyEvent* event) {
    if (const std::optional<bool> commit = cellEditKeyEnd(*event))
        emit finished(*commit);
    else
        QComboBox::keyPressEvent(event);
}

void CComboItem::focusOutEvent(QFocusEvent* event) {
    QComboBox::focusOutEvent(event);
    // The open list takes the focus from the box; the edit goes on.
    if (cellEditFocusEnd(*event, *this) && !view()->isVisible())
        emit finished(true);
}

bool CComboItem::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view() && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        hidePopup();
        emit finished(false);
        return true;
    }
    return QComboBox::eventFilter(watched, event);
}

} // namespace zorv
