#pragma once
// "Alarm list": the project's system alarm list, its starting coil and one row per alarm with its
// two texts; the "Coil" cells follow the address, the type and the rows. Import and Export
// exchange the rows with a text file; only "OK" writes the record.

#include <QDialog>

#include "image/AlarmList.h"

class QComboBox;
class QPushButton;

namespace zorv {

class CEditListCtrl;
class CNumberEdit;
class FileChooser;

class CAlarmPageDlg : public QDialog {
    Q_OBJECT
public:
    CAlarmPageDlg(AlarmListRecord& record, Prompt& prompt, FileChooser& files,
                  QWidget* parent = nullptr);

    const AlarmListModel& model() const { return model_; }

private:
    void showRows();
    void showCoils();
    void cellChanged(int row, int column);
    void addRow();
    void deleteRow();
    void importFile();
    void exportFile();
    void confirm();

    AlarmListRecord& record_;
    Prompt& prompt_;
    FileChooser& files_;
    AlarmListModel model_;

    CNumberEdit *station_, *address_;
    QComboBox* type_;
    CEditListCtrl* list_;
};

} // namespace zorv
