#include "checks/ui/CProblemsList.h"

#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace zorv {

namespace {

enum Column { SeverityColumn, PlaceColumn, MessageColumn, CodeColumn };
constexpr int kPageRole = Qt::UserRole, kWidgetRole = Qt::UserRole + 1;

QString countText(int n, const char* word) {
    return QString("%1 %2%3").arg(n).arg(word).arg(n == 1 ? "" : "s");
}

} // namespace

CProblemsList::CProblemsList(QWidget* parent) : QWidget(parent) {
    setAccessibleName("Problems");
    summary_ = new QLabel(this);
    summary_->setAccessibleName("Problem count");
    list_ = new QTreeWidget(this);
    list_->setAccessibleName("Problems list");
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAlternatingRowColors(true);
    list_->setHeaderLabels({"Severity", "Where", "Problem", "Code"});
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionResizeMode(MessageColumn, QHeaderView::Stretch);
    list_->setColumnWidth(SeverityColumn, 80);
    list_->setColumnWidth(PlaceColumn, 170);
    list_->setColumnWidth(CodeColumn, 170);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    layout->addWidget(summary_);
    layout->addWidget(list_);
    connect(list_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { activate(item); });
    setFindings({});
}

void CProblemsList::setFindings(const Findings& findings) {
    list_->clear();
    const QIcon errorIcon = style()->standardIcon(QStyle::SP_MessageBoxCritical);
    const QIcon warningIcon = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    const QIcon informationIcon = style()->standardIcon(QStyle::SP_MessageBoxInformation);
    errors_ = errorCount(findings);
    warnings_ = severityCount(findings, Severity::Warning);
    const int notes = severityCount(findings, Severity::Information);
    for (const Finding& f : findings) {
        auto* item = new QTreeWidgetItem(list_);
        item->setIcon(SeverityColumn, f.severity == Severity::Error     ? errorIcon
                                      : f.severity == Severity::Warning ? warningIcon
                                                                        : informationIcon);
        item->setText(SeverityColumn, severityName(f.severity));
        item->setText(PlaceColumn, QString::fromStdString(findingPlace(f)));
        item->setText(MessageColumn, QString::fromStdString(f.message));
        // The whole message, however narrow the column.
        item->setToolTip(MessageColumn, QString::fromStdString(f.message));
        item->setToolTip(MessageColumn, item->text(MessageColumn));
        item->setText(CodeColumn, QString::fromStdString(f.code));
        item->setData(SeverityColumn, kPageRole, f.page ? *f.page : -1);
        item->setData(SeverityColumn, kWidgetRole, f.widget ? f.widget->id : 0);
    }
    summary_->setText(
        findings.empty()
            ? QString("No problems found.")
            : countText(errors_, "error") + ", " + countText(warnings_, "warning") +
                  (notes ? ", " + countText(notes, "information finding") : QString()));
    emit countsChanged(errors_, warnings_);
}

void CProblemsList::activate(QTreeWidgetItem* item) {
    if (item)
        emit findingActivated(item->data(SeverityColumn, kPageRole).toInt(),
                              item->data(SeverityColumn, kWidgetRole).toInt());
}

} // namespace zorv
