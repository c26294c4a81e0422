// Modbus table files of any shape must load or fail without reading out of bounds, and a
// loaded table must encode back to a file that loads to the same rows.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "comm/ModbusTable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<zorv::ModbusRow> rows, again;
    if (!zorv::decodeModbusTable(std::span(data, size), rows))
        return 0;
    if (!zorv::decodeModbusTable(zorv::encodeModbusTable(rows), again) || again != rows)
        std::abort();
    return 0;
}
