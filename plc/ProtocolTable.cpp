#include "plc/ProtocolTable.h"

#include <algorithm>

#include "plc/PlcSession.h"

namespace zorv::plc {

namespace {

enum RowType : uint8_t {
    CommAlarm = 0,
    SingleWriting,
    CyclicWriting,
    SingleReading,
    CircularReading,
    ReadingStatus
};

constexpr uint16_t kLastUnit = 247;
constexpr int kStatusInputs = 16;

} // namespace

ProtocolTable::ProtocolTable(std::vector<ModbusRow> rows) {
    for (const ModbusRow& row : rows)
        if (row.device >= 1 && row.device <= kLastUnit && row.type <= ReadingStatus)
            rows_.push_back(row);
}

bool ProtocolTable::once(const ModbusRow& row) {
    return row.type == SingleWriting || row.type == SingleReading;
}

bool ProtocolTable::writes(const ModbusRow& row) {
    return row.type == SingleWriting || row.type == CyclicWriting;
}

RegisterRef ProtocolTable::softRegister(const ModbusRow& row) {
    const RegisterType family = row.type == CommAlarm ? RegisterType::M : RegisterType::D;
    return {1, uint8_t(family), row.softAddr};
}

void ProtocolTable::addReads(const ModbusRow& row, std::vector<ReadTarget>& targets) {
    const auto unit = uint8_t(row.device);
    const RegisterRef to = softRegister(row);
    if (row.type == SingleReading || row.type == CircularReading)
        targets.push_back({{unit, ModbusObject::HoldingRegister, row.instruction}, to, -1});
    if (row.type != ReadingStatus)
        return;
    for (int bit = 0; bit < kStatusInputs && row.instruction + bit <= 0xFFFF; ++bit)
        targets.push_back({{unit, ModbusObject::DiscreteInput, uint16_t(row.instruction + bit)},
                           to,
                           int8_t(bit)});
}

std::vector<uint8_t> ProtocolTable::watchedStations() const {
    std::vector<uint8_t> stations;
    for (const ModbusRow& row : rows_)
        if (row.type == CommAlarm &&
            std::find(stations.begin(), stations.end(), row.device) == stations.end())
            stations.push_back(uint8_t(row.device));
    return stations;
}

bool ProtocolTable::holds(const RegisterRef& reg) const {
    return std::any_of(rows_.begin(), rows_.end(), [&](const ModbusRow& row) {
        const RegisterRef soft = softRegister(row);
        return !writes(row) && soft.type == reg.type && soft.address == reg.address &&
               reg.station == soft.station;
    });
}

void ProtocolTable::setAlarms(uint8_t station, bool answered,
                              panel::PanelRegisters& registers) const {
    for (const ModbusRow& row : rows_)
        if (row.type == CommAlarm && row.device == station)
            registers.takeBit(softRegister(row), !answered);
}

} // namespace zorv::plc
