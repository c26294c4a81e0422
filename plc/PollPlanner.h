#pragma once
// From the cells a cycle needs to the fewest read requests the protocol allows: per unit and
// object, contiguous addresses merged up to 125 registers or 2000 bits, never across a gap wider
// than the setting. A device that refuses a merged read with ILLEGAL DATA ADDRESS gets its
// pieces asked for apart from then on.

#include <cstdint>
#include <set>
#include <tuple>
#include <vector>

#include "plc/RegisterMap.h"

namespace zorv::plc {

inline constexpr uint16_t kMaxReadWords = 125;
inline constexpr uint16_t kMaxReadBits = 2000;
inline constexpr uint16_t kMaxWriteWords = 123;
inline constexpr uint16_t kMaxWriteBits = 1968;

struct ReadRequest {
    uint8_t unit = 1;
    ModbusObject object = ModbusObject::HoldingRegister;
    uint16_t address = 0;
    uint16_t count = 0;
    bool operator==(const ReadRequest&) const = default;
};

class PollPlanner {
public:
    explicit PollPlanner(int maxGap = 8) : maxGap_(maxGap < 0 ? 0 : maxGap) {}

    // The reads covering every cell, by unit, object and address (each cell once).
    std::vector<ReadRequest> plan(std::vector<ModbusAddress> cells) const;
    // A merged read was refused: it is split at its gaps, or into its cells when it has none,
    // for the rest of the run. False when there was nothing left to split (a cell refused alone).
    bool refused(const ReadRequest& request, const std::vector<ModbusAddress>& cells);

    int maxGap() const { return maxGap_; }

private:
    using Start = std::tuple<uint8_t, ModbusObject, uint16_t>;
    int maxGap_;
    std::set<Start> breaks_; // cells that begin a request of their own
};

} // namespace zorv::plc
