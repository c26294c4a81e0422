#pragma once
// The offer of the work that editors left unsaved when they ended: each snapshot with its
// project ("untitled" for one without a file), when it was taken and when the project file on
// disk was last written; Recover opens the chosen one, Discard deletes it, Later keeps them all
// for the next start.

#include <QDialog>
#include <vector>

#include "app/RecoveryKeeper.h"

class QTreeWidget;
class QPushButton;

namespace zorv {

class CRecoveryDlg : public QDialog {
    Q_OBJECT
public:
    CRecoveryDlg(std::vector<OrphanSnapshot>& orphans, QWidget* parent = nullptr);

    // The index of the snapshot to recover, or -1 (Later, or every one discarded).
    int chosen() const { return chosen_; }

private:
    void fill();
    int selectedIndex() const;
    void recover();
    void discardSelected();

    std::vector<OrphanSnapshot>& orphans_;
    // The rows' snapshots (discarded ones leave the list).
    std::vector<int> shown_;
    QTreeWidget* list_ = nullptr;
    QPushButton* recover_ = nullptr;
    QPushButton* discard_ = nullptr;
    int chosen_ = -1;
};

} // namespace zorv
