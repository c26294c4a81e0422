#pragma once
// "Modbus Protocol Configuration": edits the Modbus protocol table in an editable list, keeps it
// in the document's working copy, and sends the table beside the project to the panel's
// configuration area ("Download") or compares the panel's copy with it ("Verify") on a worker
// thread. While a transfer runs, every button, Escape and the close box are ignored.

#include <QDialog>

#include "comm/CComm.h"
#include "comm/ModbusTableModel.h"
#include "comm/ModbusTransfer.h"
#include "comm/ui/DeviceServices.h"
#include "comm/ui/QtTransferObserver.h"

class QLabel;
class QPushButton;

namespace zorv {

class CEditList;

class CModbusDlg : public QDialog {
    Q_OBJECT
public:
    CModbusDlg(ModbusFiles files, DeviceServices& services, QWidget* parent = nullptr);
    ~CModbusDlg() override;

    // 0 idle, 1 program download, 2 program verification.
    int busy() const { return transfer_.busy(); }
    const ModbusTableModel& table() const { return table_; }
    CEditList* list() const { return list_; }
    QtTransferObserver& observer() { return observer_; }

public slots:
    // "OK": closes only when the table was saved to the working copy.
    void accept() override;
    // "CANCEL", Escape and the close box.
    void reject() override;

private slots:
    void importTable();
    void download();
    void verify();
    void storeCell(int row, int column, const QString& text);
    void appendRow(int row);
    void deleteRow(int row);

private:
    void buildLayout();
    void showRows();
    // Any open cell editor is committed first, as a click elsewhere would.
    bool save();
    void start(ModbusTransfer::Busy kind);

    ModbusFiles files_;
    DeviceServices& services_;
    ModbusTableModel table_;
    // Declared before the link and the transfer: the worker, joined when the transfer goes, may
    // still report to it.
    QtTransferObserver observer_;
    CComm comm_;
    ModbusTransfer transfer_;

    CEditList* list_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* importButton_ = nullptr;
    QPushButton* downloadButton_ = nullptr;
    QPushButton* verifyButton_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

} // namespace zorv
