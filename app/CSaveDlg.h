#pragma once
// The "Save" dialog of a project that has no file yet: the project name and the folder it goes
// into. The folder starts at the one used last (info.ini in the work folder), or the documents
// folder; the save path shown is that folder + the name + "/".

#include <QDialog>
#include <string>

#include "model/CZorvEditorDoc.h"

class QLineEdit;

namespace zorv {

class FileChooser;
class Paths;
class Prompt;

class CSaveDlg : public QDialog {
    Q_OBJECT
public:
    CSaveDlg(Prompt& prompt, FileChooser& chooser, const Paths& paths, QWidget* parent = nullptr);

    // After OK: the save path (the folder to create and save into) and the trimmed name.
    SaveTarget target() const;
    const std::string& baseFolder() const { return base_; }

    // Refuses an empty name or path; creates the base folder and remembers it in info.ini.
    void accept() override;

private:
    void browse();
    void showSavePath();

    Prompt& prompt_;
    FileChooser& chooser_;
    std::filesystem::path workFolder_;
    std::string base_;
    QLineEdit* name_;
    QLineEdit* savePath_;
};

} // namespace zorv
