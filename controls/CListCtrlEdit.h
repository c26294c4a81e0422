#pragma once
// The in-place edit box of CEditListCtrl: an edit box over a cell that also reports Tab (store
// and walk on) and, over a number-only column, takes digits only.

#include "CInPlaceEdit.h"

namespace zorv {

class CListCtrlEdit : public CInPlaceEdit {
    Q_OBJECT
public:
    explicit CListCtrlEdit(QWidget* parent = nullptr);

    void setDigitsOnly(bool on);

signals:
    // Tab was pressed: store the text and go on to the next editable cell.
    void tabPressed();

protected:
    bool event(QEvent* event) override;
};

} // namespace zorv
