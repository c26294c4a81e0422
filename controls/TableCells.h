#pragma once
// What the two editable lists share about their table: a list of whole rows with titled
// columns, cells read and written by row and column, and where a point of the viewport lies.

#include <QStringList>

class QPoint;
class QTableWidget;

namespace zorv::tablecells {

// Whole rows selected one at a time, no row numbers, no editing by the table itself.
void setUpRowList(QTableWidget& list);
void setColumns(QTableWidget& list, const QStringList& titles, const QList<int>& widths);
QString text(const QTableWidget& list, int row, int column);
void setText(QTableWidget& list, int row, int column, const QString& text);
// The selected row, or -1.
int selectedRow(const QTableWidget& list);
// Whether a point of the viewport lies below the last row (or anywhere when there is none).
bool isBelowRows(const QTableWidget& list, const QPoint& point);

} // namespace zorv::tablecells
