#include "plc/RegisterMap.h"

#include <charconv>

#include "model/FileOps.h"
#include "model/SideFiles.h"
#include "model/tags/CsvText.h"
#include "platform/FileRead.h"

namespace zorv::plc {

namespace {

constexpr RegisterType kFamilies[] = {RegisterType::D, RegisterType::M, RegisterType::X,
                                      RegisterType::Y};
constexpr const char* kHeader[] = {"family", "object", "base"};
constexpr uint32_t kHighestAddress = 65535;
// X and Y in ranges of their own above M's 0..8499 (see docs/plc-map.md).
constexpr uint32_t kXBase = 10000;
constexpr uint32_t kYBase = 11000;

size_t indexOf(RegisterType type) {
    switch (type) {
    case RegisterType::D:
        return 0;
    case RegisterType::M:
        return 1;
    case RegisterType::X:
        return 2;
    case RegisterType::Y:
        break;
    }
    return 3;
}

bool bitFamily(RegisterType type) {
    return type != RegisterType::D;
}

std::string familyLetter(RegisterType type) {
    return registerLetter(uint8_t(type));
}

// One row "D,holding-register,0" into the map; false with the fault.
bool readRow(const CsvRow& row, RegisterMap& map, bool (&seen)[4], std::string& fault) {
    const std::string at = "line " + std::to_string(row.line) + ": ";
    if (row.fields.size() != 3) {
        fault = at + "a row holds a family, an object and a base, not " +
                std::to_string(row.fields.size()) + " fields";
        return false;
    }
    const std::string& letter = row.fields[0];
    const auto type = letter.size() == 1 ? registerTypeFromLetter(letter[0]) : std::nullopt;
    if (!type) {
        fault = at + "the family must be D, M, X or Y, not \"" + letter + "\"";
        return false;
    }
    if (seen[indexOf(*type)]) {
        fault = at + "the family " + letter + " is mapped twice";
        return false;
    }
    const auto object = modbusObjectFromName(row.fields[1]);
    if (!object) {
        fault = at +
                "the object must be coil, discrete-input, holding-register or "
                "input-register, not \"" +
                row.fields[1] + "\"";
        return false;
    }
    const std::string& text = row.fields[2];
    uint32_t base = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), base);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        base > kHighestAddress) {
        fault = at + "the base must be a protocol address 0 to 65535, not \"" + text + "\"";
        return false;
    }
    const FamilyMapping mapping{*object, base};
    fault = familyMappingFault(*type, mapping);
    if (!fault.empty()) {
        fault = at + fault;
        return false;
    }
    seen[indexOf(*type)] = true;
    map.setFamily(*type, mapping);
    return true;
}

} // namespace

const char* modbusObjectName(ModbusObject object) {
    switch (object) {
    case ModbusObject::Coil:
        return "coil";
    case ModbusObject::DiscreteInput:
        return "discrete-input";
    case ModbusObject::HoldingRegister:
        return "holding-register";
    case ModbusObject::InputRegister:
        break;
    }
    return "input-register";
}

std::optional<ModbusObject> modbusObjectFromName(std::string_view name) {
    for (ModbusObject object : {ModbusObject::Coil, ModbusObject::DiscreteInput,
                                ModbusObject::HoldingRegister, ModbusObject::InputRegister})
        if (name == modbusObjectName(object))
            return object;
    return std::nullopt;
}

std::string familyMappingFault(RegisterType type, const FamilyMapping& mapping) {
    const std::string family = familyLetter(type);
    if (bitFamily(type) != isBitObject(mapping.object))
        return "the " + family + " registers are " + (bitFamily(type) ? "bits" : "words") +
               " and cannot be " + modbusObjectName(mapping.object) + "s";
    const uint32_t last = maxAddress(uint8_t(type));
    if (mapping.base > kHighestAddress - last)
        return "a base of " + std::to_string(mapping.base) + " puts " + family +
               formatAddress(uint8_t(type), uint16_t(last)) + " past protocol address 65535";
    return {};
}

RegisterMap::RegisterMap() {
    families_[indexOf(RegisterType::D)] = {ModbusObject::HoldingRegister, 0};
    families_[indexOf(RegisterType::M)] = {ModbusObject::Coil, 0};
    families_[indexOf(RegisterType::X)] = {ModbusObject::DiscreteInput, kXBase};
    families_[indexOf(RegisterType::Y)] = {ModbusObject::Coil, kYBase};
}

const FamilyMapping& RegisterMap::family(RegisterType type) const {
    return families_[indexOf(type)];
}

bool RegisterMap::setFamily(RegisterType type, const FamilyMapping& mapping) {
    if (!familyMappingFault(type, mapping).empty())
        return false;
    families_[indexOf(type)] = mapping;
    return true;
}

std::optional<ModbusAddress> RegisterMap::locate(const RegisterRef& reg) const {
    if (!isRegisterTypeCode(reg.type))
        return std::nullopt;
    const FamilyMapping& mapping = family(RegisterType(reg.type));
    const uint32_t address = mapping.base + reg.address;
    if (address > kHighestAddress)
        return std::nullopt;
    return ModbusAddress{reg.station, mapping.object, uint16_t(address)};
}

std::filesystem::path registerMapFileOf(const std::filesystem::path& project) {
    return sideFileOf(project, kPlcMapFileEnding);
}

bool loadRegisterMap(const std::filesystem::path& file, RegisterMap& map, std::string& message) {
    const FileContents contents = readWholeFile(file, kMaxCsvBytes);
    if (contents.missing) {
        map = RegisterMap();
        return true;
    }
    if (!contents) {
        message = file.string() + ": " + contents.failure;
        return false;
    }
    const std::string_view text(reinterpret_cast<const char*>(contents.bytes.data()),
                                contents.bytes.size());
    std::vector<CsvRow> rows;
    std::string fault;
    if (parseCsv(text, ',', rows, fault)) {
        const std::vector<std::string> header(std::begin(kHeader), std::end(kHeader));
        if (rows.empty() || rows.front().fields != header)
            fault = "line " + std::to_string(rows.empty() ? 1 : rows.front().line) +
                    ": the first line must be \"family,object,base\"";
    }
    RegisterMap read;
    bool seen[4] = {};
    for (size_t i = 1; fault.empty() && i < rows.size(); ++i)
        readRow(rows[i], read, seen, fault);
    if (!fault.empty()) {
        message = file.string() + ": " + fault;
        return false;
    }
    map = read;
    return true;
}

bool saveRegisterMap(const std::filesystem::path& file, const RegisterMap& map) {
    std::string text = csvLine({std::begin(kHeader), std::end(kHeader)});
    for (RegisterType type : kFamilies) {
        const FamilyMapping& mapping = map.family(type);
        text += csvLine(
            {familyLetter(type), modbusObjectName(mapping.object), std::to_string(mapping.base)});
    }
    return fileops::replaceFile(
        file, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

} // namespace zorv::plc
