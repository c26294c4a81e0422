#include "comm/ui/CDownloadDlg.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "comm/Converter.h"
#include "comm/ui/CModbusDlg.h"

namespace zorv {

namespace {
constexpr const char* kInputFilter = "Input File:(*.qsp;*.qvd)|*.qsp; *.qvd|";
constexpr const char* kOutputFilter = "HC File:(*.hc)|*.hc|All Files:(*.*)|*.*|";
constexpr const char* kOutputName = "UserData.hc";
} // namespace

CDownloadDlg::CDownloadDlg(std::filesystem::path imagePath, ModbusFiles files,
                           DeviceServices& services, QWidget* parent)
    : QDialog(parent), imagePath_(std::move(imagePath)), files_(std::move(files)),
      services_(services), observer_(services.prompt), comm_(services.ports),
      usb_(services.usb, observer_), engine_(comm_, usb_, observer_) {
    buildLayout();
    connect(&observer_, &QtTransferObserver::statusChanged, this, &CDownloadDlg::showStatus);
    connect(&observer_, &QtTransferObserver::progressChanged, progress_, &QProgressBar::setValue);
    connect(&observer_, &QtTransferObserver::transferFinished, this, &CDownloadDlg::transferEnded);
    connect(serialButton_, &QPushButton::clicked, this, &CDownloadDlg::serialDownload);
    connect(usbButton_, &QPushButton::clicked, this, &CDownloadDlg::usbDownload);
    connect(convertButton_, &QPushButton::clicked, this, &CDownloadDlg::convert);
    connect(modbusButton_, &QPushButton::clicked, this, &CDownloadDlg::openModbusDialog);
    connect(cancelButton_, &QPushButton::clicked, this, &CDownloadDlg::reject);
    initialise();
}

CDownloadDlg::~CDownloadDlg() {
    // A worker waiting for an answer gets the cancelling one, so joining it cannot hang.
    observer_.abandon();
}

void CDownloadDlg::buildLayout() {
    setWindowTitle("Download Tool");

    auto* content = new QGroupBox("Download Content", this);
    interfaceData_ = new QCheckBox("GUI Data", content);
    interfaceData_->setChecked(true);
    // The Modbus table is sent with the screens, or alone, and edited from here.
    configuration_ = new QCheckBox("Modbus Configuration data", content);
    modbusButton_ = new QPushButton("...", content);
    modbusButton_->setAccessibleName("Modbus Protocol Configuration");
    modbusButton_->setToolTip("Edit the Modbus protocol table");
    auto* contentRows = new QVBoxLayout(content);
    contentRows->addWidget(interfaceData_);
    auto* configRow = new QHBoxLayout;
    configRow->addWidget(configuration_);
    configRow->addStretch();
    configRow->addWidget(modbusButton_);
    contentRows->addLayout(configRow);

    port_ = new SerialPortChoice(services_.ports, services_.registry, this);
    auto* portLabel = new QLabel("Serial &port:", this);
    portLabel->setBuddy(port_);
    auto* portRow = new QHBoxLayout;
    portRow->addWidget(portLabel);
    portRow->addWidget(port_, 1);

    status_ = new QLabel("Download progress:", this);
    status_->setObjectName("statusLine");
    status_->setAccessibleDescription("Download status");
    status_->setWordWrap(true);
    status_->setMinimumWidth(400);
    status_->setMinimumHeight(2 * status_->fontMetrics().lineSpacing());
    status_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    status_->hide();
    rateText_ = new QLabel(this);
    rateText_->setObjectName("rateLine");
    rateText_->setAccessibleDescription("Transfer rate and time left");
    rateText_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    rateText_->setMinimumWidth(
        rateText_->fontMetrics().horizontalAdvance("999.9 KB/s, 99:99 left"));
    auto* statusRow = new QHBoxLayout;
    statusRow->addWidget(status_, 1);
    statusRow->addWidget(rateText_);

    progress_ = new QProgressBar(this);
    progress_->setAccessibleName("Download progress");
    progress_->setRange(0, 100);
    progress_->setValue(0);

    serialButton_ = new QPushButton("Serial Download", this);
    usbButton_ = new QPushButton("USB Download", this);
    convertButton_ = new QPushButton("Convert", this);
    convertButton_->hide();
    convertButton_->setEnabled(false);
    cancelButton_ = new QPushButton("Cancel", this);
    serialButton_->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(serialButton_);
    buttons->addWidget(usbButton_);
    buttons->addWidget(convertButton_);
    buttons->addStretch();
    buttons->addWidget(cancelButton_);

    auto* rows = new QVBoxLayout(this);
    rows->addWidget(content);
    rows->addLayout(portRow);
    rows->addLayout(statusRow);
    rows->addWidget(progress_);
    rows->addSpacing(6);
    rows->addLayout(buttons);
    // The window keeps the room the rate needs beside the status line; while there is no rate,
    // the status line has it.
    const QMargins margins = rows->contentsMargins();
    setMinimumWidth(margins.left() + status_->minimumWidth() + statusRow->spacing() +
                    rateText_->minimumWidth() + margins.right());
    rateText_->hide();
}

void CDownloadDlg::initialise() {
    if (!engine_.checkOnOpening(imagePath_))
        return;
    status_->show();
    std::error_code ec;
    if (!std::filesystem::exists(imagePath_, ec))
        interfaceData_->setChecked(false);
    if (!std::filesystem::exists(files_.besideProject(), ec))
        configuration_->setChecked(false);
}

DownloadChoice CDownloadDlg::choice() const {
    return {imagePath_, files_.besideProject(), interfaceData_->isChecked(),
            configuration_->isChecked(), port_->port()};
}

void CDownloadDlg::serialDownload() {
    if (busy())
        return;
    port_->remember();
    started(engine_.startSerial(choice()));
}

void CDownloadDlg::usbDownload() {
    started(engine_.startUsb(choice()));
}

void CDownloadDlg::started(bool ok) {
    if (!ok)
        return;
    status_->show();
    rate_.reset();
    showRate({});
}

void CDownloadDlg::showStatus(const QString& text) {
    status_->setText(text);
    if (const auto count = transferCountOf(text.toStdString()))
        rate_.sample(*count, TransferRateEstimator::Clock::now());
    const auto estimate = rate_.estimate();
    showRate(estimate ? QString::fromStdString(transferEstimateText(*estimate)) : QString());
    // A failed search names its ports on lines of their own: the window grows to show them.
    layout()->activate(); // the status row's own layout measures the new text
    if (const int needed = heightForWidth(width()); needed > height())
        resize(width(), needed);
}

void CDownloadDlg::showRate(const QString& text) {
    // Without a rate, the status line has the whole width.
    rateText_->setText(text);
    rateText_->setVisible(!text.isEmpty());
}

void CDownloadDlg::transferEnded() {
    rate_.reset();
    showRate({});
    // Once a transfer has ended, well or not, there is nothing left to cancel.
    cancelButton_->setText("Close");
}

void CDownloadDlg::reject() {
    if (busy())
        return;
    port_->remember();
    QDialog::reject();
}

void CDownloadDlg::convert() {
    if (busy())
        return;
    runConverter(services_.paths.programFolder(), converterInput_, imagePath_, services_.processes,
                 services_.prompt);
}

void CDownloadDlg::openModbusDialog() {
    if (busy())
        return;
    // Its program download goes to the port chosen here.
    port_->remember();
    CModbusDlg dialog(files_, services_, this);
    dialog.exec();
}

bool CDownloadDlg::chooseConverterInput() {
    const QString chosen = services_.chooser.openFile(
        this, "Open", QString::fromStdString(readConverterPaths(services_.paths).input),
        qtFileFilter(kInputFilter));
    if (chosen.isEmpty())
        return false;
    converterInput_ = chosen.toStdString();
    rememberConverterInput(services_.paths, converterInput_.string());
    return true;
}

bool CDownloadDlg::chooseImagePath() {
    const std::string remembered = readConverterPaths(services_.paths).output;
    QString chosen = services_.chooser.saveFile(
        this, "Save As", QString::fromStdString(remembered.empty() ? kOutputName : remembered),
        qtFileFilter(kOutputFilter));
    if (chosen.isEmpty())
        return false;
    if (QFileInfo(chosen).suffix().isEmpty())
        chosen += ".hc";
    imagePath_ = chosen.toStdString();
    rememberConverterOutput(services_.paths, imagePath_.string());
    return true;
}

} // namespace zorv
