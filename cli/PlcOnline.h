#pragma once
// What the commands that run the panel against a PLC share: the line from "--plc", the register
// map from "--map" or beside the project, the project's Modbus table, and the function codes of
// the session's requests.

#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "comm/ModbusTable.h"
#include "plc/PlcLink.h"
#include "plc/PlcSession.h"
#include "plc/RegisterMap.h"

namespace zorv::cli {

struct PlcSetup {
    plc::LinkSettings settings;
    std::unique_ptr<plc::PlcLink> link;
    plc::RegisterMap map;
    std::vector<ModbusRow> table; // empty when the project has no readable table beside it
};

// False with the reason when the line text or the map is unsound. An empty `mapFile` takes the
// map beside the project (the default map when there is none).
bool openPlc(const QString& project, const QString& linkText, const QString& mapFile,
             PlcSetup& setup, std::string& message);

// The Modbus function code of a read, and of a write of `count` values.
uint8_t readFunction(plc::ModbusObject object);
uint8_t writeFunction(plc::ModbusObject object, std::size_t count);

} // namespace zorv::cli
