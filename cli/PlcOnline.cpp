#include "cli/PlcOnline.h"

#include "cli/ProjectFiles.h"

namespace zorv::cli {

bool openPlc(const QString& project, const QString& linkText, const QString& mapFile,
             PlcSetup& setup, std::string& message) {
    if (!plc::parseLinkSettings(linkText.toStdString(), setup.settings, message))
        return false;
    const std::filesystem::path path = mapFile.isEmpty()
                                           ? plc::registerMapFileOf(project.toStdString())
                                           : std::filesystem::path(mapFile.toStdString());
    if (!mapFile.isEmpty() && !std::filesystem::exists(path)) {
        message = "no register map " + path.string();
        return false;
    }
    if (!plc::loadRegisterMap(path, setup.map, message))
        return false;
    // A project without a table runs none.
    if (!loadModbusTableFile(modbusFileBeside(project).toStdString(), setup.table))
        setup.table.clear();
    setup.link = plc::makeModbusLink(setup.settings);
    return true;
}

uint8_t readFunction(plc::ModbusObject object) {
    switch (object) {
    case plc::ModbusObject::Coil:
        return 1;
    case plc::ModbusObject::DiscreteInput:
        return 2;
    case plc::ModbusObject::HoldingRegister:
        return 3;
    default:
        return 4;
    }
}

uint8_t writeFunction(plc::ModbusObject object, std::size_t count) {
    if (object == plc::ModbusObject::Coil)
        return count == 1 ? 5 : 15;
    return count == 1 ? 6 : 16;
}

} // namespace zorv::cli
