#pragma once
// The folder picker: asks the file chooser for an existing folder, starting at the initial
// selection, under the title "Open" unless another is set.

#include <QString>
#include <optional>

class QWidget;

namespace zorv {

class FileChooser;

class CDirDialog {
public:
    explicit CDirDialog(FileChooser& chooser, QWidget* owner = nullptr)
        : chooser_(chooser), owner_(owner) {}

    void setTitle(const QString& title) { title_ = title; }
    void setInitialSelection(const QString& folder) { initial_ = folder; }

    // The chosen folder; nothing when the user cancelled.
    std::optional<QString> choose();

private:
    FileChooser& chooser_;
    QWidget* owner_;
    QString title_ = "Open";
    QString initial_;
};

} // namespace zorv
