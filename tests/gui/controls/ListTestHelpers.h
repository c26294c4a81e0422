#pragma once
// Shared steps of the list tests: a shown, active window and the points of cells to click.

#include <QPoint>

class QTableWidget;
class QWidget;

namespace zorv::testing {

// Shows the window and waits until it is active, so that focus moves as for a user.
bool showActive(QWidget& window);
// The centre of a cell, and a point below the last row, in viewport coordinates.
QPoint cellCentre(const QTableWidget& list, int row, int column);
QPoint belowRows(const QTableWidget& list);

} // namespace zorv::testing
