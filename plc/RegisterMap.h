#pragma once
// How the panel's register families become Modbus objects and protocol addresses: each family
// (D words; M, X and Y bits) has its object and a base added to the panel's address. The map
// is kept beside the project in "NAME.plcmap.csv".

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "model/RegisterRef.h"
#include "plc/PlcLink.h"

namespace zorv::plc {

struct FamilyMapping {
    ModbusObject object = ModbusObject::HoldingRegister;
    uint32_t base = 0; // protocol address of the family's address 0
    bool operator==(const FamilyMapping&) const = default;
};

struct ModbusAddress {
    uint8_t unit = 1;
    ModbusObject object = ModbusObject::HoldingRegister;
    uint16_t address = 0;
    bool operator==(const ModbusAddress&) const = default;
};

// "coil", "discrete-input", "holding-register", "input-register": the names in the map's file.
const char* modbusObjectName(ModbusObject object);
std::optional<ModbusObject> modbusObjectFromName(std::string_view name);

// Why a family cannot be mapped so ("" when it can): a bit family on a word object or the other
// way round, or a base that puts the family's last address past 65535.
std::string familyMappingFault(RegisterType type, const FamilyMapping& mapping);

class RegisterMap {
public:
    // The default map: D n is holding register n, M n is coil n; X and Y in ranges of their own.
    RegisterMap();

    const FamilyMapping& family(RegisterType type) const;
    // False, the map unchanged, when familyMappingFault names a fault.
    bool setFamily(RegisterType type, const FamilyMapping& mapping);

    // Nothing when the register's protocol address would pass 65535.
    std::optional<ModbusAddress> locate(const RegisterRef& reg) const;

    bool operator==(const RegisterMap&) const = default;

private:
    FamilyMapping families_[4];
};

// "NAME.plcmap.csv" for "NAME.zvd".
std::filesystem::path registerMapFileOf(const std::filesystem::path& project);
// A missing file reads as the default map; an unreadable one fails with the line named.
bool loadRegisterMap(const std::filesystem::path& file, RegisterMap& map, std::string& message);
bool saveRegisterMap(const std::filesystem::path& file, const RegisterMap& map);

} // namespace zorv::plc
