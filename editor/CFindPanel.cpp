#include "editor/CFindPanel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "model/CHCData.h"

namespace zorv {

namespace {

enum Column { Page, Widget, Found };

QString hitPlace(const CPage* page, const std::optional<int>& index) {
    if (!page || !index || *index < 0 || std::size_t(*index) >= page->widgets.size())
        return "page";
    const WidgetNode& node = page->widgets[std::size_t(*index)];
    return widgetLabel(node.kind, node.id);
}

} // namespace

QString widgetLabel(WidgetKind kind, int32_t id) {
    return QString::fromStdString(std::string(typeName(kind))) + " " + QString::number(id);
}

CFindPanel::CFindPanel(QWidget* parent) : QWidget(parent) {
    setAccessibleName("Find");
    auto* label = new QLabel("F&ind:", this);
    query_ = new QLineEdit(this);
    query_->setAccessibleName("Find what");
    query_->setPlaceholderText("a text, D100, D100-D119, a tag, StaticText, a page description");
    query_->setClearButtonEnabled(true);
    label->setBuddy(query_);
    count_ = new QLabel(this);
    count_->setAccessibleName("Found count");
    list_ = new QTreeWidget(this);
    list_->setAccessibleName("Found widgets");
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAlternatingRowColors(true);
    list_->setHeaderLabels({"Page", "Widget", "Found"});
    list_->header()->setStretchLastSection(true);
    list_->setColumnWidth(Page, 60);
    list_->setColumnWidth(Widget, 140);

    auto* top = new QHBoxLayout;
    top->setSpacing(6);
    top->addWidget(label);
    top->addWidget(query_, 1);
    top->addWidget(count_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    layout->addLayout(top);
    layout->addWidget(list_);
    connect(query_, &QLineEdit::textChanged, this, &CFindPanel::queryChanged);
    connect(list_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { emit hitActivated(list_->indexOfTopLevelItem(item)); });
}

void CFindPanel::setHits(const std::vector<FindHit>& hits, const CHCData& project, bool keepRow) {
    const int row = keepRow ? currentRow() : -1;
    list_->clear();
    for (const FindHit& hit : hits) {
        auto* item = new QTreeWidgetItem(list_);
        item->setText(Page, QString::number(hit.page));
        item->setText(Widget, hitPlace(project.pageByNumber(hit.page), hit.widget));
        item->setText(Found, QString::fromStdString(hit.what));
    }
    count_->setText(query_->text().isEmpty() ? QString()
                    : hits.size() == 1       ? QString("1 found")
                                             : QString("%1 found").arg(hits.size()));
    if (row >= 0 && !hits.empty())
        setCurrentRow(std::min(row, int(hits.size()) - 1));
}

int CFindPanel::hitCount() const {
    return list_->topLevelItemCount();
}

int CFindPanel::currentRow() const {
    return list_->currentItem() ? list_->indexOfTopLevelItem(list_->currentItem()) : -1;
}

void CFindPanel::setCurrentRow(int row) {
    if (QTreeWidgetItem* item = list_->topLevelItem(row)) {
        list_->setCurrentItem(item);
        list_->scrollToItem(item);
    }
}

} // namespace zorv
