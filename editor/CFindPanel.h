#pragma once
// The "Find" dock's content: the query (a text in either language, a register, a run such as
// D100-D119, a tag name, a widget kind or a page description) and what it finds, a row each:
// the page, the widget and what matched. A double click (or Enter) on a row asks to show it.

#include <QWidget>
#include <vector>

#include "search/Find.h"

class QLabel;
class QLineEdit;
class QTreeWidget;

namespace zorv {

class CHCData;

// "StaticText 3": a widget as the find and replace lists name it.
QString widgetLabel(WidgetKind kind, int32_t id);

class CFindPanel : public QWidget {
    Q_OBJECT
public:
    explicit CFindPanel(QWidget* parent = nullptr);

    // Lists the hits of the query in the project; with `keepRow` (the same query after an edit)
    // the current row stays where it was, within the new list, else there is none.
    void setHits(const std::vector<FindHit>& hits, const CHCData& project, bool keepRow);
    int hitCount() const;
    int currentRow() const;
    void setCurrentRow(int row);

    QLineEdit* query() const { return query_; }
    QTreeWidget* list() const { return list_; }

signals:
    void queryChanged(const QString& query);
    void hitActivated(int row);

private:
    QLineEdit* query_;
    QLabel* count_;
    QTreeWidget* list_;
};

} // namespace zorv
