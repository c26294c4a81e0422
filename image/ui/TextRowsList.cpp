#include "image/ui/TextRowsList.h"

#include <QSignalBlocker>

#include "controls/CEditListCtrl.h"
#include "image/TextCell.h"

namespace zorv {

void showTextCell(CEditListCtrl& list, int row, int column, std::string_view bytes) {
    const QSignalBlocker quiet(list);
    list.setCellText(row, column, QString::fromStdString(cellTextOfBytes(bytes)));
}

void showTextRows(CEditListCtrl& list, const std::vector<TextRow>& rows) {
    const QSignalBlocker quiet(list);
    list.setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r) {
        for (int c = 0; c < 3; ++c)
            showTextCell(list, r, c, rows[r][c]);
    }
}

std::optional<std::string> takeCellText(const QString& text, Prompt& prompt) {
    const QByteArray utf8 = text.toUtf8();
    CellBytes cell = cellBytesOfText(std::string_view(utf8.constData(), std::size_t(utf8.size())));
    if (!cell.bytes)
        prompt.message(cell.refusal);
    return std::move(cell.bytes);
}

} // namespace zorv
