#pragma once
// The register fields of a widget record that the panel uses: each register a widget reads or
// writes, how it uses it and where it sits in the record. The cross-reference reads them, and
// renumbering changes them, through this one list.

#include <functional>
#include <string>

#include "checks/RegisterUses.h"
#include "model/WidgetNode.h"
#include "model/records/AlarmListRecord.h"

namespace zorv {

struct RegisterField {
    const char* name = ""; // "register", "upper bound", "lower bound", "relation bit", "alarm bits"
    RegisterRef reg;
    int width = 1;           // registers from reg.address on: 2 for a 32-bit value
    bool eachOwnUse = false; // alarm bits: `width` registers, one alarm each
    RegisterUse use = RegisterUse::Read;
    std::string detail;  // "light", "upper bound", "sets 5" ...
    std::string meaning; // how a write reads the value: "16-bit unsigned", "coil" ...
};

// Every register field of a sound record, in record order; fields that the record's mode
// leaves unused (a page-jump menu's register, a bound given as a number) are left out.
void visitRegisterFields(const WidgetNode& node, const std::function<void(RegisterField&)>& visit);
// The same; a field whose register `visit` changes is written back into the record (a station
// and a type only where the record keeps them for the field).
void changeRegisterFields(WidgetNode& node, const std::function<void(RegisterField&)>& visit);
// The alarm bits of an alarm list; none when it holds no alarms.
std::optional<RegisterField> alarmBitsField(const AlarmListRecord& list);

} // namespace zorv
