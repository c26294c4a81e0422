#include "TableCells.h"

#include <QHeaderView>
#include <QTableWidget>

namespace zorv::tablecells {

void setUpRowList(QTableWidget& list) {
    list.setSelectionBehavior(QAbstractItemView::SelectRows);
    list.setSelectionMode(QAbstractItemView::SingleSelection);
    list.setEditTriggers(QAbstractItemView::NoEditTriggers);
    list.verticalHeader()->hide();
    list.horizontalHeader()->setHighlightSections(false);
}

void setColumns(QTableWidget& list, const QStringList& titles, const QList<int>& widths) {
    list.setColumnCount(static_cast<int>(titles.size()));
    list.setHorizontalHeaderLabels(titles);
    for (int column = 0; column < titles.size() && column < widths.size(); ++column)
        list.setColumnWidth(column, widths.at(column));
}

QString text(const QTableWidget& list, int row, int column) {
    const QTableWidgetItem* item = list.item(row, column);
    return item ? item->text() : QString();
}

void setText(QTableWidget& list, int row, int column, const QString& text) {
    if (row < 0 || row >= list.rowCount() || column < 0 || column >= list.columnCount())
        return;
    if (QTableWidgetItem* item = list.item(row, column))
        item->setText(text);
    else
        list.setItem(row, column, new QTableWidgetItem(text));
}

int selectedRow(const QTableWidget& list) {
    const QList<QTableWidgetSelectionRange> ranges = list.selectedRanges();
    return ranges.isEmpty() ? -1 : ranges.first().topRow();
}

bool isBelowRows(const QTableWidget& list, const QPoint& point) {
    const int rows = list.rowCount();
    if (rows == 0)
        return true;
    const int lastBottom = list.rowViewportPosition(rows - 1) + list.rowHeight(rows - 1);
    return point.y() >= lastBottom;
}

} // namespace zorv::tablecells
