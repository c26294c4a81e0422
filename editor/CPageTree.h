#pragma once
// The page tree: the root "User Data" with one item per page whose data is the page number.
// The root can be neither collapsed nor selected; a right click on a page item selects it and
// asks for the pop-up menu, a right click on the root does nothing.

#include <QTreeWidget>
#include <optional>

namespace zorv {

class CPageTree : public QTreeWidget {
    Q_OBJECT
public:
    static constexpr int kItemHeight = 15;

    explicit CPageTree(QWidget* parent = nullptr);

    // Replaces every item; selects nothing and sends no selection signal.
    void rebuild(const std::vector<std::pair<int, QString>>& pages);
    QTreeWidgetItem* root() const { return topLevelItemCount() ? topLevelItem(0) : nullptr; }
    // The page item of the number, or none.
    QTreeWidgetItem* pageItem(int number) const;
    // The page number of an item; none for the root or no item.
    static std::optional<int> pageNumber(const QTreeWidgetItem* item);

signals:
    // A page item was right-clicked (and selected): show the pop-up menu at `globalPos`.
    void popupRequested(const QPoint& globalPos);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

} // namespace zorv
