#include "panel/ui/PanelSimulatorWindow.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "panel/ui/PanelFaceView.h"
#include "panel/ui/PanelPictureImage.h"
#include "panel/ui/PlcConnectDialog.h"
#include "panel/ui/PlcOnline.h"
#include "platform/Prompt.h"
#include "platform/Registry.h"
#include "platform/posix/PosixSerialPort.h"

namespace zorv::panel {

namespace {
constexpr int kClockMs = 200; // the screen saver and backlight delays run in real time
constexpr int kDefaultZoom = 3;
enum Column { NameColumn = 0, ValueColumn = 1, TagColumn = 2 };
} // namespace

PanelSimulatorWindow::PanelSimulatorWindow(QWidget* parent)
    : QWidget(parent), face_(new PanelFaceView(this)), pageLabel_(new QLabel(this)),
      zoomBox_(new QSpinBox(this)), languageBox_(new QComboBox(this)),
      table_(new QTableWidget(0, 3, this)), plcStatus_(new QLabel(this)),
      connectButton_(new QPushButton(tr("&Connect to PLC..."), this)),
      disconnectButton_(new QPushButton(tr("&Disconnect"), this)),
      machine_(std::make_unique<PanelMachine>(image_)), online_(std::make_unique<PlcOnline>()) {
    setWindowTitle(tr("Panel Simulator"));
    setAccessibleName(tr("Panel Simulator"));

    pageLabel_->setAccessibleName(tr("Page shown"));
    QFont big = pageLabel_->font();
    big.setPointSizeF(big.pointSizeF() * 1.3);
    big.setBold(true);
    pageLabel_->setFont(big);
    zoomBox_->setRange(1, 6);
    zoomBox_->setSuffix(QStringLiteral(" x"));
    zoomBox_->setValue(kDefaultZoom);
    zoomBox_->setAccessibleName(tr("Zoom"));
    languageBox_->addItems({tr("Language 1"), tr("Language 2")});
    languageBox_->setAccessibleName(tr("Language"));
    table_->setHorizontalHeaderLabels({tr("Register"), tr("Value"), tr("Tag")});
    table_->setColumnHidden(TagColumn, true);
    table_->setAccessibleName(tr("Registers and coils"));
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    // Room for the link's status line and a dozen rows of live values.
    table_->setMinimumSize(320, 320);

    auto* controls = new QFormLayout;
    controls->addRow(tr("Page:"), pageLabel_);
    controls->addRow(tr("Zoom:"), zoomBox_);
    controls->addRow(tr("Language:"), languageBox_);
    auto* side = new QVBoxLayout;
    side->addLayout(controls);
    auto* plcButtons = new QHBoxLayout;
    plcButtons->addWidget(connectButton_);
    plcButtons->addWidget(disconnectButton_);
    plcButtons->addStretch(1);
    side->addLayout(plcButtons);
    connectButton_->setAccessibleName(tr("Connect to PLC"));
    disconnectButton_->setAccessibleName(tr("Disconnect from the PLC"));
    plcStatus_->setAccessibleName(tr("PLC link state"));
    plcStatus_->setWordWrap(true);
    side->addWidget(plcStatus_);
    side->addSpacing(8);
    auto* tableLabel = new QLabel(tr("&Registers and coils (the PLC):"), this);
    tableLabel->setBuddy(table_);
    side->addWidget(tableLabel);
    side->addWidget(table_, 1);
    auto* faceColumn = new QVBoxLayout;
    faceColumn->addWidget(face_);
    faceColumn->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(16);
    layout->addLayout(faceColumn);
    layout->addLayout(side, 1);

    connect(face_, &PanelFaceView::keyPressed, this, &PanelSimulatorWindow::press);
    connect(face_, &PanelFaceView::keyReleased, this, &PanelSimulatorWindow::release);
    connect(zoomBox_, &QSpinBox::valueChanged, this, &PanelSimulatorWindow::setZoom);
    connect(languageBox_, &QComboBox::currentIndexChanged, this, [this](int language) {
        machine_->setLanguage(language);
        refresh();
    });
    connect(table_, &QTableWidget::cellChanged, this, &PanelSimulatorWindow::tableEdited);
    connect(connectButton_, &QPushButton::clicked, this, &PanelSimulatorWindow::connectToPlc);
    connect(disconnectButton_, &QPushButton::clicked, this,
            &PanelSimulatorWindow::disconnectFromPlc);
    connect(online_.get(), &PlcOnline::cycled, this, [this] {
        refresh();
        showPlcState();
    });
    connect(&clock_, &QTimer::timeout, this, [this] {
        machine_->tick(kClockMs);
        refresh();
    });
    setZoom(kDefaultZoom);
    face_->setFocus();
    showPlcState();
    refresh();
}

PanelSimulatorWindow::~PanelSimulatorWindow() = default;

void PanelSimulatorWindow::setPlcServices(Registry& registry, Prompt& prompt) {
    registry_ = &registry;
    prompt_ = &prompt;
    showPlcState();
}

void PanelSimulatorWindow::setProject(const std::filesystem::path& file, const TagTable& tags,
                                      std::vector<ModbusRow> modbusRows) {
    const bool sameTags = tags == tags_;
    project_ = file;
    tags_ = tags;
    modbusRows_ = std::move(modbusRows);
    if (!sameTags)
        fillTable();
}

void PanelSimulatorWindow::connectToPlc() {
    if (!registry_ || !prompt_ || !image_.loaded())
        return;
    plc::RegisterMap map = map_;
    if (!project_.empty()) {
        std::string message;
        if (!plc::loadRegisterMap(plc::registerMapFileOf(project_), map, message)) {
            prompt_->message(message);
            map = plc::RegisterMap();
        }
    }
    QStringList ports;
    for (const std::string& port : PosixSerialPortSystem().ports())
        ports << QString::fromStdString(port);
    PlcConnectDialog dialog(rememberedLink(*registry_), map, ports, *prompt_, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    link_ = dialog.link();
    map_ = dialog.map();
    rememberLink(*registry_, link_);
    if (!project_.empty() && !plc::saveRegisterMap(plc::registerMapFileOf(project_), map_))
        prompt_->message("The register map cannot be written to " +
                         plc::registerMapFileOf(project_).string() + ".");
    goOnline();
}

void PanelSimulatorWindow::goOnline() {
    online_->start(plc::makeModbusLink(link_), image_, *machine_, map_, modbusRows_);
    listRegisters();
    showPlcState();
    refresh();
}

void PanelSimulatorWindow::disconnectFromPlc() {
    online_->stop();
    listRegisters();
    showPlcState();
    refresh();
}

void PanelSimulatorWindow::showPlcState() {
    const bool running = online_->running();
    plcStatus_->setText(running ? QString::fromStdString(online_->session()->statusLine())
                                : tr("Offline: the table stands for the PLC"));
    connectButton_->setEnabled(!running && registry_ && prompt_ && image_.loaded());
    disconnectButton_->setEnabled(running);
}

bool PanelSimulatorWindow::setImage(const std::vector<uint8_t>& image, QString* error) {
    return loadImage(image, error, false);
}

bool PanelSimulatorWindow::followImage(const std::vector<uint8_t>& image, QString* error) {
    return image == imageBytes_ || loadImage(image, error, true);
}

bool PanelSimulatorWindow::loadImage(const std::vector<uint8_t>& image, QString* error,
                                     bool follow) {
    PanelImage loaded;
    std::string message;
    if (!loaded.load(image, message)) {
        if (error)
            *error = QString::fromStdString(message);
        return false;
    }
    // The run against the PLC goes on over the new image, on a line of its own.
    const bool online = online_->running();
    online_->stop();
    const std::optional<uint16_t> shown = follow ? machine_->pageNumber() : std::nullopt;
    const PanelRegisters registers = machine_->registers();
    machine_.reset();
    image_ = std::move(loaded);
    imageBytes_ = image;
    machine_ = std::make_unique<PanelMachine>(image_);
    if (follow) {
        // Back on the page the user was looking at, over the values the PLC held.
        machine_->registers() = registers;
        machine_->restart();
        if (const auto index = shown ? image_.pageOfNumber(*shown) : std::nullopt)
            machine_->showPageIndex(*index);
    }
    machine_->setLanguage(languageBox_->currentIndex());
    clock_.start(kClockMs);
    if (online)
        goOnline();
    else
        listRegisters();
    showPlcState();
    refresh();
    return true;
}

void PanelSimulatorWindow::setZoom(int zoom) {
    face_->setZoom(zoom);
    if (zoomBox_->value() != face_->zoom())
        zoomBox_->setValue(face_->zoom());
    refresh();
    adjustSize();
}

int PanelSimulatorWindow::zoom() const {
    return face_->zoom();
}

void PanelSimulatorWindow::press(Key key) {
    machine_->press(key);
    online_->hurry();
    refresh();
}

void PanelSimulatorWindow::release(Key key) {
    machine_->release(key);
    online_->hurry();
    refresh();
}

void PanelSimulatorWindow::refresh() {
    PanelPicture picture;
    machine_->render(picture);
    face_->setDisplay(pictureImage(picture, face_->zoom()));
    const auto number = machine_->pageNumber();
    pageLabel_->setText(!image_.loaded() ? tr("no image")
                        : number         ? QString::number(*number)
                                         : tr("alarm list"));
    if (languageBox_->currentIndex() != machine_->language()) {
        const QSignalBlocker block(languageBox_);
        languageBox_->setCurrentIndex(machine_->language());
    }
    updateTableValues();
    emit pageShown(number ? int(*number) : -1);
}

void PanelSimulatorWindow::listRegisters() {
    used_ = usedRegisters(image_, online_->running());
    fillTable();
}

void PanelSimulatorWindow::fillTable() {
    filling_ = true;
    const bool online = online_->running();
    table_->setRowCount(int(used_.size()));
    for (std::size_t i = 0; i < used_.size(); ++i) {
        const UsedRegister& u = used_[i];
        // Online each station's registers are its own: "2:D100" as a register field takes it.
        QString name = QString::fromStdString(registerName(u.reg.type, u.reg.address));
        if (online && u.reg.station != 1)
            name = QString::number(u.reg.station) + ':' + name;
        if (u.words == 2)
            name += tr(" (32-bit)");
        auto* nameItem = new QTableWidgetItem(name);
        nameItem->setFlags(Qt::ItemIsEnabled);
        table_->setItem(int(i), NameColumn, nameItem);
        table_->setItem(int(i), ValueColumn, new QTableWidgetItem);
        const Tag* tag = tags_.tagOf(u.reg);
        auto* tagItem = new QTableWidgetItem(tag ? QString::fromStdString(tag->name) : QString());
        tagItem->setFlags(Qt::ItemIsEnabled);
        table_->setItem(int(i), TagColumn, tagItem);
    }
    table_->setColumnHidden(TagColumn, tags_.empty());
    table_->resizeColumnToContents(NameColumn);
    filling_ = false;
    updateTableValues();
}

void PanelSimulatorWindow::updateTableValues() {
    filling_ = true;
    const PanelRegisters& r = machine_->registers();
    for (std::size_t i = 0; i < used_.size() && int(i) < table_->rowCount(); ++i) {
        const UsedRegister& u = used_[i];
        QTableWidgetItem* item = table_->item(int(i), ValueColumn);
        if (u.bit) {
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
            item->setCheckState(r.bit(u.reg) ? Qt::Checked : Qt::Unchecked);
            item->setText(r.bit(u.reg) ? tr("ON") : tr("OFF"));
        } else if (item != table_->currentItem() || !table_->isPersistentEditorOpen(item)) {
            item->setText(QString::number(r.value(u.reg, {u.words, true, false})));
        }
    }
    filling_ = false;
}

void PanelSimulatorWindow::tableEdited(int row, int column) {
    if (filling_ || column != ValueColumn || row < 0 || row >= int(used_.size()))
        return;
    const UsedRegister& u = used_[std::size_t(row)];
    QTableWidgetItem* item = table_->item(row, column);
    if (u.bit) {
        machine_->registers().setBit(u.reg, item->checkState() == Qt::Checked);
    } else {
        bool ok = false;
        const qlonglong value = item->text().toLongLong(&ok);
        if (ok)
            machine_->registers().setValue(u.reg, u.words, value);
    }
    machine_->sync();
    online_->hurry();
    refresh();
}

} // namespace zorv::panel
