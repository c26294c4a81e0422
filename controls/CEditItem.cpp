#include "CEditItem.h"

namespace zorv {

CEditItem::CEditItem(QWidget* parent) : CInPlaceEdit(parent) {}

void CEditItem::alignLike(Qt::Alignment cellAlignment) {
    const Qt::Alignment horizontal = cellAlignment & Qt::AlignHorizontal_Mask;
    setAlignment((horizontal ? horizontal : Qt::AlignLeft) | Qt::AlignVCenter);
}

} // namespace zorv
