#pragma once
// The register cross-reference: every register and coil the project uses, with where and how:
// widgets, the system parameters, the system alarm list and the Modbus table beside the project.

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "checks/Finding.h"
#include "comm/ModbusTable.h"
#include "model/CHCData.h"
#include "model/tags/TagTable.h"

namespace zorv {

enum class RegisterUse {
    Read,            // shown or watched by a widget or the alarm list
    WrittenByKey,    // a key sets the coil or the value, or steps it
    SetByEntry,      // the operator enters the value in a register widget
    SetByMenu,       // a menu in register-setting mode writes its item's value
    BoundLimit,      // a register widget takes its input bound from it
    SystemRegister,  // one of the optional registers of the system parameters
    SentByModbus,    // a writing row of the Modbus table sends it to a device
    WrittenByModbus, // a reading or alarm row of the Modbus table writes it
};

enum class UseSource { Widget, SystemParameters, AlarmList, Modbus };

const char* registerUseName(RegisterUse use); // "read", "written by key", ...
// The uses that change the register from the panel's side.
bool isPanelWrite(RegisterUse use);

struct RegisterUseEntry {
    uint8_t station = 1; // 0 for the Modbus table, whose rows name panel registers only
    uint8_t type = 0;
    uint16_t address = 0;
    int width = 1; // registers from address on: 2 for a 32-bit value
    RegisterUse use = RegisterUse::Read;
    UseSource source = UseSource::Widget;
    std::optional<int> page;
    std::optional<FindingWidget> widget;
    std::string detail;  // "page control register", "alarm 3", "sets 5", "upper bound" ...
    std::string meaning; // how a write reads the value: "16-bit unsigned", "coil" ...
};

// Sorted by register letter (D, M, X, Y), address and station; uses of one register keep the
// order of the project: widgets page by page, system parameters, alarm list, Modbus rows.
std::vector<RegisterUseEntry> registerUses(const CHCData& project,
                                           std::span<const ModbusRow> modbus);

// "D100", "M5"; a 32-bit value "D100-D101".
std::string registerSpan(const RegisterUseEntry& entry);
// "page 3 Key 12 (40,48)", "system parameters", "alarm list", "Modbus table".
std::string useWhere(const RegisterUseEntry& entry);
// The name of the register the entry starts at; empty when it has no tag. The Modbus table's rows
// (station 0) take the tags of the first station.
std::string tagNameOf(const TagTable& tags, const RegisterUseEntry& entry);
// True when `entry` covers the register (type, address) of station `station`; a station of 0
// on either side matches any station.
bool covers(const RegisterUseEntry& entry, uint8_t station, uint8_t type, uint16_t address);

} // namespace zorv
