#pragma once
// The "Problems" list: the findings of the project checks, one a row with an icon by severity,
// the place, the message and the code, and a count line above them. A double-click (or Enter)
// on a row asks to show its page and select its widget.

#include <QWidget>

#include "checks/Finding.h"

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace zorv {

class CProblemsList : public QWidget {
    Q_OBJECT
public:
    explicit CProblemsList(QWidget* parent = nullptr);

    // Replaces the rows; the order is the findings' own.
    void setFindings(const Findings& findings);
    int errors() const { return errors_; }
    int warnings() const { return warnings_; }
    QTreeWidget* list() const { return list_; }

signals:
    // `page` is -1 for a finding on the project as a whole, `widgetId` 0 for one on a page.
    void findingActivated(int page, int widgetId);
    // After every setFindings, for a count beside the memory meter.
    void countsChanged(int errors, int warnings);

private:
    QLabel* summary_;
    QTreeWidget* list_;
    int errors_ = 0, warnings_ = 0;

    void activate(QTreeWidgetItem* item);
};

} // namespace zorv
