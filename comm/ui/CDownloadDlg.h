#pragma once
// "Download Tool": sends a download image to the panel over the serial link or USB (and the
// project's Modbus table over the serial link) on a worker thread, with one status line, a
// progress bar and, beside the status line, the transfer rate and the time left. The serial
// port is searched for or chosen. While a transfer runs, the download buttons, Cancel, Escape
// and the close box are ignored.

#include <QDialog>
#include <filesystem>

#include "comm/CComm.h"
#include "comm/CUsbComm.h"
#include "comm/DownloadEngine.h"
#include "comm/TransferRate.h"
#include "comm/ui/DeviceServices.h"
#include "comm/ui/QtTransferObserver.h"
#include "comm/ui/SerialPortChoice.h"

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace zorv {

class CDownloadDlg : public QDialog {
    Q_OBJECT
public:
    CDownloadDlg(std::filesystem::path imagePath, ModbusFiles files, DeviceServices& services,
                 QWidget* parent = nullptr);
    ~CDownloadDlg() override;

    bool busy() const { return engine_.busy(); }
    const std::filesystem::path& imagePath() const { return imagePath_; }
    const std::filesystem::path& converterInput() const { return converterInput_; }
    QtTransferObserver& observer() { return observer_; }

    // The converter's two file choosers, each starting at the choice remembered in config.ini
    // and remembering the new one there; false when cancelled.
    bool chooseConverterInput();
    bool chooseImagePath();

public slots:
    // Cancel, Escape and the close box: ignored while a transfer runs.
    void reject() override;
    // "Convert": the older project at the converter input becomes the image.
    void convert();
    // "...": the Modbus protocol dialog.
    void openModbusDialog();

private slots:
    void serialDownload();
    void usbDownload();
    void showStatus(const QString& text);
    void transferEnded();

private:
    void buildLayout();
    // The opening checks: the image's size and which of the two files exist.
    void initialise();
    DownloadChoice choice() const;
    void showRate(const QString& text);
    void started(bool ok);

    std::filesystem::path imagePath_;
    std::filesystem::path converterInput_;
    ModbusFiles files_;
    DeviceServices& services_;
    // Declared before the links and the engine: the worker, joined when the engine goes, may
    // still report to it.
    QtTransferObserver observer_;
    CComm comm_;
    CUsbComm usb_;
    DownloadEngine engine_;
    TransferRateEstimator rate_;

    QCheckBox* interfaceData_ = nullptr;
    QCheckBox* configuration_ = nullptr;
    QPushButton* modbusButton_ = nullptr;
    SerialPortChoice* port_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* rateText_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* serialButton_ = nullptr;
    QPushButton* usbButton_ = nullptr;
    QPushButton* convertButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

} // namespace zorv
