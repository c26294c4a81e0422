#include "checks/ui/CRegistersList.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace zorv {

namespace {

enum Column { Register, TagName, Station, Use, Where, Detail, ColumnCount };
constexpr int kPageRole = Qt::UserRole, kWidgetRole = Qt::UserRole + 1;

} // namespace

CRegistersList::CRegistersList(QWidget* parent) : QWidget(parent) {
    setAccessibleName("Registers");
    auto* filterLabel = new QLabel("&Filter:", this);
    filter_ = new QLineEdit(this);
    filter_->setAccessibleName("Register filter");
    filter_->setPlaceholderText("D100, written by key, page 3 ...");
    filter_->setClearButtonEnabled(true);
    filterLabel->setBuddy(filter_);
    count_ = new QLabel(this);
    count_->setAccessibleName("Register use count");
    list_ = new QTreeWidget(this);
    list_->setAccessibleName("Register cross-reference");
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAlternatingRowColors(true);
    list_->setHeaderLabels({"Register", "Tag", "Station", "Use", "Where", "Detail"});
    list_->header()->setStretchLastSection(true);
    list_->setColumnWidth(Register, 100);
    list_->setColumnWidth(TagName, 130);
    list_->setColumnWidth(Station, 60);
    list_->setColumnWidth(Use, 130);
    list_->setColumnWidth(Where, 210);

    auto* top = new QHBoxLayout;
    top->setSpacing(6);
    top->addWidget(filterLabel);
    top->addWidget(filter_, 1);
    top->addWidget(count_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    layout->addLayout(top);
    layout->addWidget(list_);
    connect(filter_, &QLineEdit::textChanged, this, [this] { applyFilter(); });
    connect(list_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { activate(item); });
    applyFilter();
}

void CRegistersList::setUses(const std::vector<RegisterUseEntry>& uses, const TagTable* tags) {
    list_->clear();
    const bool tagged = tags && !tags->empty();
    list_->setColumnHidden(TagName, !tagged);
    for (const RegisterUseEntry& u : uses) {
        auto* item = new QTreeWidgetItem(list_);
        item->setText(Register, QString::fromStdString(registerSpan(u)));
        if (tagged)
            item->setText(TagName, QString::fromStdString(tagNameOf(*tags, u)));
        item->setText(Station, u.station ? QString::number(u.station) : QString("panel"));
        item->setText(Use, registerUseName(u.use));
        item->setText(Where, QString::fromStdString(useWhere(u)));
        item->setText(Detail, QString::fromStdString(u.detail));
        item->setData(Register, kPageRole, u.page && u.widget ? *u.page : -1);
        item->setData(Register, kWidgetRole, u.widget ? u.widget->id : 0);
    }
    applyFilter();
}

void CRegistersList::applyFilter() {
    const QString text = filter_->text().trimmed();
    int shown = 0;
    for (int i = 0; i < list_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = list_->topLevelItem(i);
        bool match = text.isEmpty();
        for (int c = 0; c < ColumnCount && !match; ++c)
            match = item->text(c).contains(text, Qt::CaseInsensitive);
        item->setHidden(!match);
        shown += match ? 1 : 0;
    }
    count_->setText(QString("%1 of %2 uses").arg(shown).arg(list_->topLevelItemCount()));
}

void CRegistersList::activate(QTreeWidgetItem* item) {
    if (item && item->data(Register, kWidgetRole).toInt() > 0)
        emit useActivated(item->data(Register, kPageRole).toInt(),
                          item->data(Register, kWidgetRole).toInt());
}

} // namespace zorv
