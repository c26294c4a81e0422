#pragma once
// The field that edits a widget's text over the widget itself on the canvas. Enter and the
// keyboard leaving the field ask for the typed text to be stored; Esc closes it without storing.
// A text the owner refuses stays in the field as typed.

#include <QLineEdit>
#include <cstdint>

namespace zorv {

class CanvasTextEditor : public QLineEdit {
    Q_OBJECT
public:
    explicit CanvasTextEditor(QWidget* parent);

    // Shows the text over `area` (window pixels, widened to room for a whole text) for the
    // widget of that id, all of it selected, with the keyboard.
    void open(const QRect& area, const QString& text, int32_t widgetId);
    // Hides the field; nothing is asked to be stored.
    void dismiss();
    int32_t widgetId() const { return widgetId_; }
    bool isOpen() const { return isVisible(); }

signals:
    void storeRequested(const QString& typed);
    // Esc closed the field.
    void cancelled();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void requestStore();

    int32_t widgetId_ = 0;
    bool storing_ = false; // a message about the text takes the keyboard: no second request
};

} // namespace zorv
