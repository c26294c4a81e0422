#include "ListTestHelpers.h"

#include <QTableWidget>
#include <QTest>

namespace zorv::testing {

bool showActive(QWidget& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

QPoint cellCentre(const QTableWidget& list, int row, int column) {
    return list.visualItemRect(list.item(row, column)).center();
}

QPoint belowRows(const QTableWidget& list) {
    const int last = list.rowCount() - 1;
    const int bottom = last < 0 ? 0 : list.rowViewportPosition(last) + list.rowHeight(last);
    return {10, bottom + 10};
}

} // namespace zorv::testing
