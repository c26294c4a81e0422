#pragma once
// The drop-down list of CEditList: opens over a cell with the owner's strings, the cell's text
// selected. Choosing a string, Enter or losing the focus stores; Esc discards.

#include <QComboBox>

namespace zorv {

class CComboItem : public QComboBox {
    Q_OBJECT
public:
    explicit CComboItem(QWidget* parent = nullptr);

    // Shows the list over `cell` (in the parent's coordinates) with `text` selected and opens it.
    void start(const QRect& cell, const QStringList& choices, const QString& text);

signals:
    // The user ended the edit: `commit` stores the selected string, otherwise it is discarded.
    void finished(bool commit);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace zorv
