#include "comm/ui/SerialPortChoice.h"

#include <QLineEdit>

namespace zorv {

std::string rememberedSerialPort(const Registry& registry) {
    return registry.value(kSerialPortSetting).value_or(std::string());
}

SerialPortChoice::SerialPortChoice(const SerialPortSystem& ports, Registry& registry,
                                   QWidget* parent)
    : QComboBox(parent), registry_(registry) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    addItem(kAutomaticPort);
    for (const std::string& path : ports.ports())
        addItem(QString::fromStdString(path));
    const std::string kept = rememberedSerialPort(registry);
    setCurrentText(kept.empty() ? QString(kAutomaticPort) : QString::fromStdString(kept));
    lineEdit()->setPlaceholderText("a port such as /dev/ttyUSB0");
    setToolTip("Automatic tries every serial port found, in turn; or choose a port, or type its "
               "path");
}

std::string SerialPortChoice::port() const {
    const QString text = currentText().trimmed();
    return text == kAutomaticPort ? std::string() : text.toStdString();
}

void SerialPortChoice::remember() {
    registry_.setValue(kSerialPortSetting, port());
}

} // namespace zorv
