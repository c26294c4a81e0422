#pragma once
// "Multi Language Editing": the entry table of a dynamic text, menu or alarm list with its value
// and both language texts side by side. "OK" writes the table back; the close box asks
// "Save Data?"; Escape closes without asking and without changing the table.

#include <QDialog>

#include "image/LanguageTexts.h"

namespace zorv {

class CEditListCtrl;
class FileChooser;

class CMultiLanDlg : public QDialog {
    Q_OBJECT
public:
    CMultiLanDlg(LanguageTable& table, LanguageTableKind kind, Prompt& prompt, FileChooser& files,
                 QWidget* parent = nullptr);

    const LanguageTextsModel& model() const { return model_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void showRows();
    void cellChanged(int row, int column);
    void importFile();
    void exportFile();
    void confirm();

    LanguageTable& table_;
    Prompt& prompt_;
    FileChooser& files_;
    LanguageTextsModel model_;
    CEditListCtrl* list_;
};

} // namespace zorv
