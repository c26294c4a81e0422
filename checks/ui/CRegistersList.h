#pragma once
// The "Registers" list: the register cross-reference, every register and coil the project uses
// with where and how, in area and address order, with a filter on the register name and the
// text of every column. A double-click (or Enter) on a widget's row asks to show that widget.

#include <QWidget>
#include <vector>

#include "checks/RegisterUses.h"

class QLabel;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace zorv {

class CRegistersList : public QWidget {
    Q_OBJECT
public:
    explicit CRegistersList(QWidget* parent = nullptr);

    // With tags, the register of each use is named by its tag in a column of its own.
    void setUses(const std::vector<RegisterUseEntry>& uses, const TagTable* tags = nullptr);
    QTreeWidget* list() const { return list_; }
    QLineEdit* filter() const { return filter_; }

signals:
    // Only rows of widgets; the system parameters, the alarm list and the Modbus table have no
    // widget to show.
    void useActivated(int page, int widgetId);

private:
    QLineEdit* filter_;
    QLabel* count_;
    QTreeWidget* list_;

    void applyFilter();
    void activate(QTreeWidgetItem* item);
};

} // namespace zorv
