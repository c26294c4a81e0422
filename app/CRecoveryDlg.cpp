#include "app/CRecoveryDlg.h"

#include <QDateTime>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace zorv {

namespace {

QString timeText(const QDateTime& time) {
    return time.toString("yyyy-MM-dd HH:mm:ss");
}

QString projectFileTime(const std::string& path) {
    if (path.empty())
        return QObject::tr("no file");
    const QFileInfo file(QString::fromStdString(path));
    return file.exists() ? timeText(file.lastModified()) : QObject::tr("missing");
}

} // namespace

CRecoveryDlg::CRecoveryDlg(std::vector<OrphanSnapshot>& orphans, QWidget* parent)
    : QDialog(parent), orphans_(orphans) {
    setWindowTitle(tr("Recover Unsaved Work"));
    auto* note =
        new QLabel(tr("ZorvEditor ended without saving the changes below. Recover opens the chosen "
                      "project as it was then, with its changes unsaved."),
                   this);
    note->setWordWrap(true);
    list_ = new QTreeWidget(this);
    list_->setAccessibleName(tr("Unsaved work"));
    list_->setHeaderLabels({tr("Project"), tr("Snapshot taken"), tr("Project file on disk")});
    list_->setRootIsDecorated(false);
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    list_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    list_->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    note->setBuddy(list_);

    recover_ = new QPushButton(tr("&Recover"), this);
    discard_ = new QPushButton(tr("&Discard"), this);
    auto* later = new QPushButton(tr("&Later"), this);
    recover_->setDefault(true);
    connect(recover_, &QPushButton::clicked, this, &CRecoveryDlg::recover);
    connect(discard_, &QPushButton::clicked, this, &CRecoveryDlg::discardSelected);
    connect(later, &QPushButton::clicked, this, &QDialog::reject);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, &CRecoveryDlg::recover);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(recover_);
    buttons->addWidget(discard_);
    buttons->addWidget(later);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
    resize(640, 280);
    for (int i = 0; i < int(orphans_.size()); ++i)
        shown_.push_back(i);
    fill();
}

void CRecoveryDlg::fill() {
    list_->clear();
    for (int index : shown_) {
        const RecoverySnapshot& s = orphans_[std::size_t(index)].snapshot;
        const QString project =
            s.projectPath.empty() ? tr("untitled") : QString::fromStdString(s.projectPath);
        auto* item =
            new QTreeWidgetItem(list_, {project, timeText(QDateTime::fromSecsSinceEpoch(s.takenAt)),
                                        projectFileTime(s.projectPath)});
        item->setToolTip(0, project);
    }
    if (list_->topLevelItemCount() > 0)
        list_->setCurrentItem(list_->topLevelItem(0));
    recover_->setEnabled(!shown_.empty());
    discard_->setEnabled(!shown_.empty());
}

int CRecoveryDlg::selectedIndex() const {
    const int row = list_->indexOfTopLevelItem(list_->currentItem());
    return row < 0 || row >= int(shown_.size()) ? -1 : row;
}

void CRecoveryDlg::recover() {
    const int row = selectedIndex();
    if (row < 0)
        return;
    chosen_ = shown_[std::size_t(row)];
    accept();
}

void CRecoveryDlg::discardSelected() {
    const int row = selectedIndex();
    if (row < 0)
        return;
    RecoveryKeeper::discard(orphans_[std::size_t(shown_[std::size_t(row)])]);
    shown_.erase(shown_.begin() + row);
    if (shown_.empty()) {
        reject();
        return;
    }
    fill();
}

} // namespace zorv
