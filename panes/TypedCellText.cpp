#include "panes/TypedCellText.h"

#include <QSignalBlocker>

#include "controls/CEditListCtrl.h"
#include "image/TextCell.h"
#include "panes/FieldHint.h"
#include "panes/PropertyPane.h"

namespace zorv {

std::optional<std::string> takeTypedCell(CEditListCtrl& list, int row, int column,
                                         PropertyPane& pane, RefusedCell& refused) {
    const QString typed = list.cellText(row, column);
    const QByteArray utf8 = typed.toUtf8();
    CellBytes cell = cellBytesOfText(std::string_view(utf8.constData(), std::size_t(utf8.size())));
    FieldHint& hint = pane.hint();
    if (!cell.bytes) {
        refused = {row, column, typed};
        hint.say(list, QString::fromStdString(cell.reason));
        return std::nullopt;
    }
    if (refused.row == row && refused.column == column)
        refused = {};
    if (hint.field() == &list && refused.row < 0)
        hint.clear();
    return std::move(cell.bytes);
}

void showRefusedCell(CEditListCtrl& list, PropertyPane& pane, const RefusedCell& refused) {
    if (refused.row < 0 || refused.row >= list.rowCount() || pane.hint().field() != &list)
        return;
    const QSignalBlocker quiet(list);
    list.setCellText(refused.row, refused.column, refused.typed);
}

} // namespace zorv
