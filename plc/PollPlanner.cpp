#include "plc/PollPlanner.h"

#include <algorithm>

namespace zorv::plc {

namespace {

void sortCells(std::vector<ModbusAddress>& cells) {
    const auto order = [](const ModbusAddress& c) {
        return std::tuple(c.unit, c.object, c.address);
    };
    std::sort(cells.begin(), cells.end(),
              [&](const ModbusAddress& a, const ModbusAddress& b) { return order(a) < order(b); });
    cells.erase(std::unique(cells.begin(), cells.end()), cells.end());
}

} // namespace

std::vector<ReadRequest> PollPlanner::plan(std::vector<ModbusAddress> cells) const {
    sortCells(cells);
    std::vector<ReadRequest> reads;
    for (const ModbusAddress& c : cells) {
        if (!reads.empty()) {
            ReadRequest& last = reads.back();
            const uint32_t end = uint32_t(last.address) + last.count; // one past the last cell
            const uint32_t reach = uint32_t(c.address) + 1 - last.address;
            const uint16_t limit = isBitObject(c.object) ? kMaxReadBits : kMaxReadWords;
            if (last.unit == c.unit && last.object == c.object &&
                c.address - end <= uint32_t(maxGap_) && reach <= limit &&
                !breaks_.count({c.unit, c.object, c.address})) {
                last.count = uint16_t(reach);
                continue;
            }
        }
        reads.push_back({c.unit, c.object, c.address, 1});
    }
    return reads;
}

bool PollPlanner::refused(const ReadRequest& request, const std::vector<ModbusAddress>& cells) {
    std::vector<ModbusAddress> inside;
    for (const ModbusAddress& c : cells)
        if (c.unit == request.unit && c.object == request.object && c.address >= request.address &&
            uint32_t(c.address) < uint32_t(request.address) + request.count)
            inside.push_back(c);
    sortCells(inside);
    if (inside.size() < 2)
        return false;
    // Split at the gaps first: a device refuses the addresses it lacks, and those are where
    // the panel has nothing. A run without gaps that is refused is split into its cells.
    bool gaps = false;
    for (std::size_t k = 1; k < inside.size(); ++k)
        if (inside[k].address != inside[k - 1].address + 1) {
            breaks_.insert({request.unit, request.object, inside[k].address});
            gaps = true;
        }
    if (!gaps)
        for (std::size_t k = 1; k < inside.size(); ++k)
            breaks_.insert({request.unit, request.object, inside[k].address});
    return true;
}

} // namespace zorv::plc
