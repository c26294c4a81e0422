#include "panel/ui/PlcConnectDialog.h"

#include <algorithm>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "platform/Prompt.h"
#include "platform/Registry.h"

namespace zorv::panel {

namespace {

constexpr RegisterType kFamilies[4] = {RegisterType::D, RegisterType::M, RegisterType::X,
                                       RegisterType::Y};
constexpr int kBauds[] = {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};
const char* const kParities[] = {"None", "Even", "Odd"};
constexpr char kParityCodes[] = {'N', 'E', 'O'};

int familySlot(RegisterType type) {
    for (int i = 0; i < 4; ++i)
        if (kFamilies[i] == type)
            return i;
    return 0;
}

// The objects a family may go to: words to registers, bits to coils or inputs.
std::pair<plc::ModbusObject, plc::ModbusObject> objectsFor(RegisterType type) {
    if (type == RegisterType::D)
        return {plc::ModbusObject::HoldingRegister, plc::ModbusObject::InputRegister};
    return {plc::ModbusObject::Coil, plc::ModbusObject::DiscreteInput};
}

QString objectText(plc::ModbusObject object) {
    switch (object) {
    case plc::ModbusObject::Coil:
        return QObject::tr("Coils");
    case plc::ModbusObject::DiscreteInput:
        return QObject::tr("Discrete inputs");
    case plc::ModbusObject::HoldingRegister:
        return QObject::tr("Holding registers");
    default:
        return QObject::tr("Input registers");
    }
}

QLabel* buddy(const QString& text, QWidget* field, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(field);
    field->setAccessibleName(QString(text).remove('&').remove(':'));
    return label;
}

QComboBox* choice(const QStringList& items, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->addItems(items);
    return box;
}

constexpr const char* kLineKey = "Simulator/PlcLine";
constexpr const char* kTcpKey = "Simulator/PlcTcp";
constexpr const char* kRtuKey = "Simulator/PlcRtu";
constexpr const char* kTimeoutKey = "Simulator/PlcTimeout";

} // namespace

plc::LinkSettings rememberedLink(const Registry& registry) {
    plc::LinkSettings link;
    std::string error;
    for (const char* key : {kTcpKey, kRtuKey}) {
        plc::LinkSettings kept;
        if (const auto text = registry.value(key);
            text && plc::parseLinkSettings(*text, kept, error)) {
            if (kept.kind == plc::LinkSettings::Kind::Tcp) {
                link.host = kept.host;
                link.port = kept.port;
            } else {
                link.device = kept.device;
                link.baud = kept.baud;
                link.parity = kept.parity;
                link.dataBits = kept.dataBits;
                link.stopBits = kept.stopBits;
            }
        }
    }
    if (registry.value(kLineKey).value_or("") == "rtu")
        link.kind = plc::LinkSettings::Kind::Rtu;
    link.timeoutMs = std::clamp(registry.intValue(kTimeoutKey, link.timeoutMs), 20, 10000);
    return link;
}

void rememberLink(Registry& registry, const plc::LinkSettings& link) {
    const bool rtu = link.kind == plc::LinkSettings::Kind::Rtu;
    registry.setValue(kLineKey, rtu ? "rtu" : "tcp");
    registry.setValue(rtu ? kRtuKey : kTcpKey, plc::linkSettingsText(link));
    registry.setValue(kTimeoutKey, std::to_string(link.timeoutMs));
}

PlcConnectDialog::PlcConnectDialog(const plc::LinkSettings& link, const plc::RegisterMap& map,
                                   const QStringList& ports, Prompt& prompt, QWidget* parent)
    : QDialog(parent), prompt_(prompt),
      line_(choice({tr("Modbus TCP"), tr("Modbus RTU (serial line)")}, this)),
      tcp_(new QGroupBox(tr("TCP"), this)), rtu_(new QGroupBox(tr("Serial line"), this)),
      host_(new QLineEdit(QString::fromStdString(link.host), this)), port_(new QSpinBox(this)),
      device_(new QComboBox(this)), baud_(new QComboBox(this)), parity_(new QComboBox(this)),
      dataBits_(choice({"7", "8"}, this)), stopBits_(choice({"1", "2"}, this)),
      timeout_(new QSpinBox(this)) {
    setWindowTitle(tr("Connect to PLC"));
    line_->setCurrentIndex(link.kind == plc::LinkSettings::Kind::Rtu ? 1 : 0);
    port_->setRange(1, 65535);
    port_->setValue(link.port);
    device_->setEditable(true);
    device_->setInsertPolicy(QComboBox::NoInsert);
    device_->addItems(ports);
    device_->setCurrentText(QString::fromStdString(link.device));
    for (const int baud : kBauds)
        baud_->addItem(QString::number(baud), baud);
    baud_->setCurrentIndex(std::max(baud_->findData(link.baud), 0));
    for (const char* parity : kParities)
        parity_->addItem(tr(parity));
    for (int i = 0; i < 3; ++i)
        if (kParityCodes[i] == link.parity)
            parity_->setCurrentIndex(i);
    dataBits_->setCurrentText(QString::number(link.dataBits));
    stopBits_->setCurrentText(QString::number(link.stopBits));
    timeout_->setRange(20, 10000);
    timeout_->setSuffix(tr(" ms"));
    timeout_->setValue(link.timeoutMs);

    auto* tcpForm = new QFormLayout(tcp_);
    tcpForm->addRow(buddy(tr("&Host:"), host_, this), host_);
    tcpForm->addRow(buddy(tr("&Port:"), port_, this), port_);
    auto* rtuForm = new QFormLayout(rtu_);
    rtuForm->addRow(buddy(tr("Serial p&ort:"), device_, this), device_);
    rtuForm->addRow(buddy(tr("&Baud rate:"), baud_, this), baud_);
    rtuForm->addRow(buddy(tr("P&arity:"), parity_, this), parity_);
    rtuForm->addRow(buddy(tr("&Data bits:"), dataBits_, this), dataBits_);
    rtuForm->addRow(buddy(tr("&Stop bits:"), stopBits_, this), stopBits_);

    auto* mapBox = new QGroupBox(tr("Register map"), this);
    auto* grid = new QGridLayout(mapBox);
    grid->addWidget(new QLabel(tr("Family"), this), 0, 0);
    grid->addWidget(new QLabel(tr("Modbus object"), this), 0, 1);
    grid->addWidget(new QLabel(tr("Base address"), this), 0, 2);
    for (int i = 0; i < 4; ++i) {
        const RegisterType type = kFamilies[i];
        const QString letter = registerLetter(uint8_t(type));
        const auto [first, second] = objectsFor(type);
        objects_[i] = new QComboBox(this);
        objects_[i]->addItem(objectText(first), int(first));
        objects_[i]->addItem(objectText(second), int(second));
        const plc::FamilyMapping& mapping = map.family(type);
        objects_[i]->setCurrentIndex(mapping.object == second ? 1 : 0);
        bases_[i] = new QSpinBox(this);
        bases_[i]->setRange(0, 65535);
        bases_[i]->setValue(int(mapping.base));
        auto* label = new QLabel(letter, this);
        label->setBuddy(objects_[i]);
        objects_[i]->setAccessibleName(tr("%1 object").arg(letter));
        bases_[i]->setAccessibleName(tr("%1 base address").arg(letter));
        grid->addWidget(label, i + 1, 0);
        grid->addWidget(objects_[i], i + 1, 1);
        grid->addWidget(bases_[i], i + 1, 2);
    }
    mapBox->setToolTip(tr("The panel's address n of a family is the protocol address base + n "
                          "of its object"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    QPushButton* connectButton = buttons->addButton(tr("&Connect"), QDialogButtonBox::AcceptRole);
    connectButton->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &PlcConnectDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PlcConnectDialog::reject);

    auto* top = new QFormLayout;
    top->addRow(buddy(tr("&Line:"), line_, this), line_);
    top->addRow(buddy(tr("Reply &time-out:"), timeout_, this), timeout_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(tcp_);
    layout->addWidget(rtu_);
    layout->addWidget(mapBox);
    layout->addWidget(buttons);
    connect(line_, &QComboBox::currentIndexChanged, this, &PlcConnectDialog::showLine);
    showLine();
}

QComboBox* PlcConnectDialog::objectChoice(RegisterType type) const {
    return objects_[familySlot(type)];
}

QSpinBox* PlcConnectDialog::baseField(RegisterType type) const {
    return bases_[familySlot(type)];
}

void PlcConnectDialog::showLine() {
    const bool rtu = line_->currentIndex() == 1;
    tcp_->setVisible(!rtu);
    rtu_->setVisible(rtu);
    adjustSize();
}

plc::LinkSettings PlcConnectDialog::link() const {
    plc::LinkSettings s;
    s.kind =
        line_->currentIndex() == 1 ? plc::LinkSettings::Kind::Rtu : plc::LinkSettings::Kind::Tcp;
    s.host = host_->text().trimmed().toStdString();
    s.port = port_->value();
    s.device = device_->currentText().trimmed().toStdString();
    s.baud = baud_->currentData().toInt();
    s.parity = kParityCodes[std::clamp(parity_->currentIndex(), 0, 2)];
    s.dataBits = dataBits_->currentText().toInt();
    s.stopBits = stopBits_->currentText().toInt();
    s.timeoutMs = timeout_->value();
    return s;
}

plc::RegisterMap PlcConnectDialog::map() const {
    plc::RegisterMap map;
    for (int i = 0; i < 4; ++i)
        map.setFamily(kFamilies[i], {plc::ModbusObject(objects_[i]->currentData().toInt()),
                                     uint32_t(bases_[i]->value())});
    return map;
}

void PlcConnectDialog::accept() {
    const plc::LinkSettings s = link();
    if (s.kind == plc::LinkSettings::Kind::Tcp && s.host.empty()) {
        prompt_.message("Type the host name or address of the PLC.");
        host_->setFocus();
        return;
    }
    if (s.kind == plc::LinkSettings::Kind::Rtu && s.device.empty()) {
        prompt_.message("Choose the serial port the PLC is on.");
        device_->setFocus();
        return;
    }
    for (int i = 0; i < 4; ++i) {
        const plc::FamilyMapping mapping{plc::ModbusObject(objects_[i]->currentData().toInt()),
                                         uint32_t(bases_[i]->value())};
        const std::string fault = plc::familyMappingFault(kFamilies[i], mapping);
        if (!fault.empty()) {
            prompt_.message(fault);
            bases_[i]->setFocus();
            return;
        }
    }
    QDialog::accept();
}

} // namespace zorv::panel
