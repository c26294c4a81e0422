#pragma once
// "Connect to PLC": the line to the PLC (Modbus TCP with its host and port, or Modbus RTU on a
// serial port with its baud rate, parity, data and stop bits) and the register map, each family
// with its Modbus object and base. The window fills it from what was used last and keeps what
// the user confirms; a host or a port left empty and a family mapped past the protocol's
// addresses are refused through the prompt, with the dialog left open.

#include <QDialog>
#include <QStringList>

#include "plc/PlcLink.h"
#include "plc/RegisterMap.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QSpinBox;

namespace zorv {
class Prompt;
class Registry;
} // namespace zorv

namespace zorv::panel {

// The line used last, from the settings: TCP and serial settings are kept apart, so that
// switching between the two finds each as it was.
plc::LinkSettings rememberedLink(const Registry& registry);
void rememberLink(Registry& registry, const plc::LinkSettings& link);

class PlcConnectDialog : public QDialog {
    Q_OBJECT
public:
    // `ports`: the serial ports found, offered in the port list (any path may be typed).
    PlcConnectDialog(const plc::LinkSettings& link, const plc::RegisterMap& map,
                     const QStringList& ports, Prompt& prompt, QWidget* parent = nullptr);

    plc::LinkSettings link() const;
    plc::RegisterMap map() const;

    // The controls, for the tests.
    QComboBox* lineChoice() const { return line_; }
    QLineEdit* hostField() const { return host_; }
    QSpinBox* portField() const { return port_; }
    QComboBox* serialPortField() const { return device_; }
    QComboBox* objectChoice(RegisterType type) const;
    QSpinBox* baseField(RegisterType type) const;

    void accept() override;

private:
    void showLine();

    Prompt& prompt_;
    QComboBox* line_;
    QGroupBox* tcp_;
    QGroupBox* rtu_;
    QLineEdit* host_;
    QSpinBox* port_;
    QComboBox* device_;
    QComboBox* baud_;
    QComboBox* parity_;
    QComboBox* dataBits_;
    QComboBox* stopBits_;
    QSpinBox* timeout_;
    QComboBox* objects_[4];
    QSpinBox* bases_[4];
};

} // namespace zorv::panel
