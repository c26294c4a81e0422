#pragma once
// The edit box that the editable lists open over a cell: it starts with all its text selected,
// widens with its text up to the room the list gives it, and says how the edit ends (Enter
// stores, Esc discards, losing the focus stores).

#include <QLineEdit>
#include <QRect>

namespace zorv {

class CInPlaceEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CInPlaceEdit(QWidget* parent = nullptr);

    // Shows the box over `cell` (in the parent's coordinates) with `text`, all of it selected;
    // the box may widen up to `maxWidth` pixels.
    void start(const QRect& cell, int maxWidth, const QString& text);
    // Moves the open box over its cell again (the list scrolled or a column was resized).
    void placeOver(const QRect& cell, int maxWidth);

signals:
    // The user ended the edit: `commit` stores the text, otherwise it is discarded.
    void finished(bool commit);

protected:
    // Enter and Esc end the edit, before any shortcut of the window around the list sees them.
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void fitToText();

    QRect cell_;
    int maxWidth_ = 0;
};

} // namespace zorv
