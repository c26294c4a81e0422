#include "app/CHistoryDlg.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "model/CZorvEditorDoc.h"
#include "platform/Paths.h"
#include "platform/Prompt.h"

namespace zorv {

namespace {

QString savedText(int64_t savedAt) {
    return QDateTime::fromSecsSinceEpoch(savedAt).toString("yyyy-MM-dd HH:mm:ss");
}

QString sizeText(uint64_t bytes) {
    return QObject::tr("%1 bytes").arg(QLocale().toString(qulonglong(bytes)));
}

} // namespace

CHistoryDlg::CHistoryDlg(const std::vector<KeptVersion>& versions, const QString& projectTitle,
                         QWidget* parent)
    : QDialog(parent), count_(int(versions.size())) {
    setWindowTitle(tr("Restore Earlier Version"));
    auto* heading =
        new QLabel(tr("&Earlier versions of %1, newest first:").arg(projectTitle), this);
    auto* note = new QLabel(tr("Restore opens the chosen version as unsaved changes of this "
                               "project; the file on disk stays as it is until you save."),
                            this);
    note->setWordWrap(true);
    list_ = new QTreeWidget(this);
    list_->setAccessibleName(tr("Earlier versions"));
    list_->setAccessibleDescription(note->text());
    list_->setHeaderLabels({tr("Saved"), tr("Size"), tr("Pages")});
    list_->setRootIsDecorated(false);
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    list_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    list_->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    heading->setBuddy(list_);
    for (auto v = versions.rbegin(); v != versions.rend(); ++v) {
        auto* item = new QTreeWidgetItem(
            list_, {savedText(v->savedAt), sizeText(v->size), QString::number(v->pages)});
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    }
    if (list_->topLevelItemCount() > 0)
        list_->setCurrentItem(list_->topLevelItem(0));

    auto* restore = new QPushButton(tr("&Restore"), this);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    restore->setDefault(true);
    restore->setEnabled(count_ > 0);
    connect(restore, &QPushButton::clicked, this, &CHistoryDlg::restore);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(list_, &QTreeWidget::itemActivated, this, &CHistoryDlg::restore);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(restore);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(list_, 1);
    layout->addWidget(note);
    layout->addLayout(buttons);
    resize(480, 320);
}

void CHistoryDlg::restore() {
    const int row = list_->indexOfTopLevelItem(list_->currentItem());
    if (row < 0 || row >= count_)
        return;
    // The rows are newest first.
    chosen_ = count_ - 1 - row;
    accept();
}

bool restoreEarlierVersion(CZorvEditorDoc& document, const Paths& paths, Prompt& prompt,
                           QWidget* parent) {
    const std::filesystem::path project = document.path();
    if (project.empty()) {
        prompt.message(QObject::tr("This project has not been saved yet, so it has no earlier "
                                   "versions. Each save keeps the version it replaces.")
                           .toStdString());
        return false;
    }
    const ProjectHistory history(paths.workFolder(), project);
    const std::vector<KeptVersion> versions = history.versions();
    const QString title = QString::fromStdString(document.title());
    if (versions.empty()) {
        prompt.message(QObject::tr("No earlier versions of %1 are kept yet. Each save keeps the "
                                   "version it replaces.")
                           .arg(title)
                           .toStdString());
        return false;
    }
    CHistoryDlg dialog(versions, title, parent);
    if (dialog.exec() != QDialog::Accepted || dialog.chosen() < 0)
        return false;
    const KeptVersion& version = versions[std::size_t(dialog.chosen())];
    KeptFiles files;
    if (!history.read(version, files)) {
        prompt.message(QObject::tr("The chosen version can no longer be read:\n%1")
                           .arg(QString::fromStdString(version.projectFile.string()))
                           .toStdString());
        return false;
    }
    // A version kept without a table opens with an empty one, as a project without its .mdt.
    const std::vector<uint8_t> table = files.modbusTable.value_or(std::vector<uint8_t>{});
    return document.openKept(files.projectFile, project, table,
                             files.tagFile ? &*files.tagFile : nullptr);
}

} // namespace zorv
