#include "editor/CPageTree.h"

#include <QHeaderView>
#include <QMouseEvent>

namespace zorv {

CPageTree::CPageTree(QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setColumnCount(1);
    setUniformRowHeights(true);
    setItemsExpandable(false);
    setExpandsOnDoubleClick(false);
    setRootIsDecorated(true);
    setAccessibleName(tr("Pages"));
    setStyleSheet(QStringLiteral("QTreeView::item { height: %1px; }").arg(kItemHeight));
    // A collapse of the root is undone at once: the pages stay in view.
    connect(this, &QTreeWidget::itemCollapsed, this,
            [this](QTreeWidgetItem* item) { expandItem(item); });
}

void CPageTree::rebuild(const std::vector<std::pair<int, QString>>& pages) {
    const QSignalBlocker blocker(this);
    clear();
    auto* top = new QTreeWidgetItem(this, QStringList{QStringLiteral("User Data")});
    // The root can be clicked but never becomes the selection.
    top->setFlags(Qt::ItemIsEnabled);
    for (const auto& [number, text] : pages) {
        auto* item = new QTreeWidgetItem(top, QStringList{text});
        item->setData(0, Qt::UserRole, number);
    }
    expandItem(top);
}

QTreeWidgetItem* CPageTree::pageItem(int number) const {
    QTreeWidgetItem* top = root();
    for (int i = 0; top && i < top->childCount(); ++i)
        if (pageNumber(top->child(i)) == number)
            return top->child(i);
    return nullptr;
}

std::optional<int> CPageTree::pageNumber(const QTreeWidgetItem* item) {
    if (!item || !item->parent())
        return std::nullopt;
    return item->data(0, Qt::UserRole).toInt();
}

void CPageTree::mousePressEvent(QMouseEvent* event) {
    QTreeWidgetItem* item = itemAt(event->position().toPoint());
    if (event->button() == Qt::RightButton) {
        if (item && !item->parent())
            return;
        if (item)
            setCurrentItem(item);
        emit popupRequested(event->globalPosition().toPoint());
        return;
    }
    // A press on the root is swallowed.
    if (item && !item->parent())
        return;
    QTreeWidget::mousePressEvent(event);
}

} // namespace zorv
