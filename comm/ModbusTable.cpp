#include "comm/ModbusTable.h"

#include <iterator>

#include "model/ByteReader.h"
#include "platform/FileRead.h"

namespace zorv {

namespace {
constexpr const char* kTypeTexts[kModbusTypeCount] = {"Communication alarm", "Single Writing",
                                                      "Cyclic Writing",      "Single reading",
                                                      "Circular reading",    "Reading Status"};
constexpr uint16_t kUnusedSoftAddr = 0xFFFF;
} // namespace

const char* modbusTypeText(int type) {
    return type >= 0 && type < kModbusTypeCount ? kTypeTexts[type] : "";
}

std::optional<int> modbusTypeOf(std::string_view text) {
    for (int t = 0; t < kModbusTypeCount; ++t) {
        if (text == kTypeTexts[t])
            return t;
    }
    return std::nullopt;
}

std::vector<uint8_t> encodeModbusTable(std::span<const ModbusRow> rows) {
    std::array<uint16_t, kModbusAlarmSlots> device{}, soft{};
    soft.fill(kUnusedSoftAddr);
    std::array<uint16_t, kModbusTypeCount> counts{};
    int slot = 0;
    for (const ModbusRow& r : rows) {
        if (r.type == 0) {
            if (slot < kModbusAlarmSlots) {
                device[slot] = r.device;
                soft[slot] = r.softAddr;
                ++slot;
            }
        } else if (r.type < kModbusTypeCount) {
            ++counts[r.type];
        }
    }
    std::vector<uint8_t> out;
    ByteWriter w(out);
    for (uint16_t v : device)
        w.u16(v);
    for (uint16_t v : soft)
        w.u16(v);
    for (int t = 1; t < kModbusTypeCount; ++t)
        w.u16(counts[t]);
    // Three passes over types 1 to 5: device addresses, instruction addresses, SoftAddr values.
    for (int pass = 0; pass < 3; ++pass) {
        for (int t = 1; t < kModbusTypeCount; ++t) {
            for (const ModbusRow& r : rows) {
                if (r.type == t)
                    w.u16(pass == 0 ? r.device : pass == 1 ? r.instruction : r.softAddr);
            }
        }
    }
    return out;
}

bool decodeModbusTable(std::span<const uint8_t> file, std::vector<ModbusRow>& rows) {
    rows.clear();
    ByteReader in(file);
    std::array<uint16_t, kModbusAlarmSlots> device{}, soft{};
    for (auto& v : device)
        v = in.u16();
    for (auto& v : soft)
        v = in.u16();
    std::size_t n = 0;
    std::array<uint16_t, kModbusTypeCount> counts{};
    for (int t = 1; t < kModbusTypeCount; ++t)
        n += counts[t] = in.u16();
    if (!in.ok() || in.remaining() < 6 * n)
        return false;
    for (int s = 0; s < kModbusAlarmSlots && device[s] != 0; ++s)
        rows.push_back({0, device[s], 0, soft[s]});
    const std::size_t first = rows.size();
    for (int t = 1; t < kModbusTypeCount; ++t)
        rows.insert(rows.end(), counts[t], ModbusRow{uint8_t(t), 0, 0, 0});
    for (std::size_t i = 0; i < n; ++i)
        rows[first + i].device = in.u16();
    for (std::size_t i = 0; i < n; ++i)
        rows[first + i].instruction = in.u16();
    for (std::size_t i = 0; i < n; ++i)
        rows[first + i].softAddr = in.u16();
    return in.ok();
}

bool loadModbusTableFile(const std::filesystem::path& file, std::vector<ModbusRow>& rows) {
    rows.clear();
    const FileContents bytes = readWholeFile(file);
    return bytes && decodeModbusTable(bytes.bytes, rows);
}

} // namespace zorv
