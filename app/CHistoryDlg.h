#pragma once
// File > Restore Earlier Version: the versions that the saves of the open project kept, newest
// first, each with the time it was saved, its size and its pages; Restore opens the chosen one
// as unsaved changes of the same project, so the file on disk stays as it is until the next
// save (which keeps it in turn).

#include <QDialog>
#include <vector>

#include "model/history/ProjectHistory.h"

class QTreeWidget;
class QPushButton;

namespace zorv {

class CZorvEditorDoc;
class Paths;
class Prompt;

class CHistoryDlg : public QDialog {
    Q_OBJECT
public:
    // `versions` oldest first, as the history lists them.
    CHistoryDlg(const std::vector<KeptVersion>& versions, const QString& projectTitle,
                QWidget* parent = nullptr);

    // The index in `versions` of the version to restore, or -1.
    int chosen() const { return chosen_; }

private:
    void restore();

    int count_ = 0;
    QTreeWidget* list_ = nullptr;
    int chosen_ = -1;
};

// The command itself: says so when the project has no file or no versions yet, else lets the
// user choose and opens the chosen version through the document (which asks about pending
// changes first). True when a version was opened; the caller then refreshes the view.
bool restoreEarlierVersion(CZorvEditorDoc& document, const Paths& paths, Prompt& prompt,
                           QWidget* parent);

} // namespace zorv
