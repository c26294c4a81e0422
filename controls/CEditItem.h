#pragma once
// The edit box of CEditList: an in-place edit box whose text is aligned like its column.

#include "CInPlaceEdit.h"

namespace zorv {

class CEditItem : public CInPlaceEdit {
    Q_OBJECT
public:
    explicit CEditItem(QWidget* parent = nullptr);

    // Takes the horizontal part of a cell's alignment (left when it has none).
    void alignLike(Qt::Alignment cellAlignment);
};

} // namespace zorv
