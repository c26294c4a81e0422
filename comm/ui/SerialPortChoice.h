#pragma once
// The download tool's choice of serial port: "Automatic" (every port the system lists, the first
// on which the panel answers), one of the ports found, or any path typed. The last choice used
// is kept in the settings.

#include <QComboBox>
#include <string>

#include "platform/Registry.h"
#include "platform/SerialPort.h"

namespace zorv {

inline constexpr const char* kAutomaticPort = "Automatic";
inline constexpr const char* kSerialPortSetting = "Download/Port";

// The port kept in the settings; empty for "Automatic".
std::string rememberedSerialPort(const Registry& registry);

class SerialPortChoice : public QComboBox {
    Q_OBJECT
public:
    // Lists "Automatic" and the ports found now, and shows the choice kept in the settings.
    SerialPortChoice(const SerialPortSystem& ports, Registry& registry, QWidget* parent = nullptr);

    // The path chosen or typed; empty for "Automatic".
    std::string port() const;
    // Keeps the choice in the settings.
    void remember();

private:
    Registry& registry_;
};

} // namespace zorv
