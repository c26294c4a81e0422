#include "editor/CanvasTextEditor.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <algorithm>

#include "model/TextSlot.h"

namespace zorv {

CanvasTextEditor::CanvasTextEditor(QWidget* parent) : QLineEdit(parent) {
    setObjectName(QStringLiteral("canvasText"));
    setAccessibleName(tr("Text on the page"));
    hide();
}

void CanvasTextEditor::open(const QRect& area, const QString& text, int32_t widgetId) {
    widgetId_ = widgetId;
    QFont shown = font();
    shown.setPixelSize(std::max(10, area.height() * 3 / 5));
    setFont(shown);
    // Room for a whole text of single-byte characters and the frame, within the parent.
    const int room = fontMetrics().averageCharWidth() * int(TextSlot::kCapacity + 2);
    const QWidget* owner = parentWidget();
    const int width = std::min(std::max(area.width(), room), owner->width() - area.left());
    setGeometry(area.left(), area.top(), std::max(width, area.width()),
                std::max(area.height(), fontMetrics().height() + 6));
    setText(text);
    selectAll();
    show();
    raise();
    setFocus(Qt::OtherFocusReason);
}

void CanvasTextEditor::dismiss() {
    // The keyboard leaves the field as it hides: that is no request to store.
    storing_ = true;
    hide();
    storing_ = false;
}

void CanvasTextEditor::requestStore() {
    if (storing_ || !isVisible())
        return;
    storing_ = true;
    emit storeRequested(text());
    storing_ = false;
}

void CanvasTextEditor::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        requestStore();
        return;
    case Qt::Key_Escape:
        dismiss();
        emit cancelled();
        return;
    default:
        QLineEdit::keyPressEvent(event);
    }
}

void CanvasTextEditor::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A menu opened over the field leaves it open; anything else that takes the keyboard
    // stores the text.
    if (event->reason() != Qt::PopupFocusReason)
        requestStore();
}

} // namespace zorv
