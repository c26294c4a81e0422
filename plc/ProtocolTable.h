#pragma once
// The image's Modbus protocol table as the panel runs it against the devices on its bus. Every
// decision about the table's rows is made here (docs/panel-behaviour.md lists them):
// - A row's SoftAddr is a register of the panel at station 1 (M for a communication alarm, D for
//   the others); its device address is the Modbus unit and its instruction address a protocol
//   address of that unit, not passed through the register map.
// - "Communication alarm": the panel holds the coil itself: on while no request to the station
//   was answered in a cycle (a time-out or the link down), off once one is answered (an
//   exception reply is an answer). A station the cycle asks nothing is asked for its holding
//   register 0. The coil is neither read from nor written to a PLC.
// - "Single Writing" and "Single reading" run once each time the link comes up; a row whose
//   station did not answer is tried again in the next cycle.
// - "Cyclic Writing" and "Circular reading" run every cycle; writes before reads.
// - Reading rows use holding registers (function 3) and writing rows a single register write.
// - "Reading Status" reads, every cycle, the 16 discrete inputs from the instruction address
//   (function 2) into the bits of the D register, the addressed input as bit 0.
// - Registers that reading rows fill and the alarm coils are not polled through the map.
// - Rows whose device address is not a unit 1 to 247 are left out.

#include <vector>

#include "comm/ModbusTable.h"
#include "panel/PanelRegisters.h"
#include "plc/RegisterMap.h"

namespace zorv::plc {

struct ReadTarget;

class ProtocolTable {
public:
    explicit ProtocolTable(std::vector<ModbusRow> rows = {});

    const std::vector<ModbusRow>& rows() const { return rows_; }
    // Whether the row runs once per connection rather than every cycle.
    static bool once(const ModbusRow& row);
    static bool writes(const ModbusRow& row);
    // The panel register of the row.
    static RegisterRef softRegister(const ModbusRow& row);
    // The reads of a reading row.
    static void addReads(const ModbusRow& row, std::vector<ReadTarget>& targets);
    // The stations whose answering a communication alarm follows.
    std::vector<uint8_t> watchedStations() const;
    // Whether the panel register is the table's own: filled by a reading row or an alarm coil.
    bool holds(const RegisterRef& reg) const;
    // The alarm coils of the stations that did (true) or did not (false) answer in a cycle.
    void setAlarms(uint8_t station, bool answered, panel::PanelRegisters& registers) const;

private:
    std::vector<ModbusRow> rows_;
};

} // namespace zorv::plc
