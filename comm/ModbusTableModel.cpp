#include "comm/ModbusTableModel.h"

#include "model/FileOps.h"
#include "model/rules/NumberEntry.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace zorv {

namespace {

std::string format(const char* fmt, int value) {
    char text[32];
    std::snprintf(text, sizeof text, fmt, value);
    return text;
}

std::string_view withoutLetter(std::string_view text, std::string_view letters) {
    if (!text.empty() && letters.find(text.front()) != std::string_view::npos)
        text.remove_prefix(1);
    return text;
}

} // namespace

ModbusListRow modbusListRow(int index, const ModbusRow& row) {
    return {format("%02d", index + 1), modbusTypeText(row.type), format("D%d", row.device),
            format("0x%04X", row.instruction), format(row.type == 0 ? "M%d" : "D%d", row.softAddr)};
}

uint16_t modbusDecimal(std::string_view text) {
    return uint16_t(rules::parseDecimal(text)); // kept to 16 bits, wrapping
}

uint16_t modbusInstructionAddress(std::string_view text) {
    if (text.size() < 2 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X'))
        return modbusDecimal(text);
    uint16_t value = 0;
    for (std::size_t i = 2; i < text.size() && i < 6; ++i) {
        const char c = char(std::tolower(static_cast<unsigned char>(text[i])));
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            break;
        value = uint16_t(value * 16 + (c <= '9' ? c - '0' : c - 'a' + 10));
    }
    return value;
}

std::optional<ModbusRow> parseModbusListRow(const ModbusListRow& cells) {
    const std::string_view typeText = std::string_view(cells[1]).substr(0, 24);
    const auto type = modbusTypeOf(typeText);
    if (!type)
        return std::nullopt; // an empty or unknown type text: the row is skipped
    ModbusRow row;
    row.type = uint8_t(*type);
    row.device = modbusDecimal(withoutLetter(cells[2], "Dd"));
    row.instruction = row.type == 0 ? 0 : modbusInstructionAddress(cells[3]);
    row.softAddr = modbusDecimal(withoutLetter(cells[4], "DdMm"));
    return row;
}

void ModbusTableModel::fill(const std::vector<ModbusRow>& rows) {
    rows_.clear();
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows_.push_back(modbusListRow(int(i), rows[i]));
}

void ModbusTableModel::open(const std::filesystem::path& workingFile) {
    std::vector<ModbusRow> rows;
    if (loadModbusTableFile(workingFile, rows)) {
        fill(rows);
        return;
    }
    fill({ModbusRow{0, 1, 0, 0}});
}

bool ModbusTableModel::importFile(const std::filesystem::path& file, Prompt& prompt) {
    rows_.clear();
    std::vector<ModbusRow> rows;
    if (!loadModbusTableFile(file, rows)) {
        prompt.message(kModbusImportFailedMessage);
        return false;
    }
    fill(rows);
    return true;
}

std::vector<ModbusRow> ModbusTableModel::tableRows() const {
    std::vector<ModbusRow> rows;
    for (const auto& cells : rows_) {
        if (auto row = parseModbusListRow(cells))
            rows.push_back(*row);
    }
    return rows;
}

bool ModbusTableModel::save(const std::filesystem::path& file, Prompt& prompt) const {
    const std::vector<ModbusRow> rows = tableRows();
    const auto alarms =
        std::count_if(rows.begin(), rows.end(), [](auto& r) { return r.type == 0; });
    if (alarms > kModbusAlarmSlots) {
        prompt.message(kModbusTooManyAlarmsMessage);
        return false;
    }
    if (std::any_of(rows.begin(), rows.end(),
                    [](auto& r) { return r.type == 0 && r.device == 0; })) {
        prompt.message(kModbusAlarmDeviceZeroMessage);
        return false;
    }
    const std::vector<uint8_t> bytes = encodeModbusTable(rows);
    // A table the panel cannot take must not replace the one that the file holds: the working
    // copy goes beside the project on the next save.
    if (modbusTableTooLarge(bytes.size())) {
        prompt.message(kModbusTooLargeMessage);
        return false;
    }
    if (!fileops::replaceFile(file, bytes)) {
        prompt.message(kModbusOpenFailedMessage);
        return false;
    }
    return true;
}

void ModbusTableModel::appendRow() {
    rows_.push_back({format("%02d", int(rows_.size()) + 1), modbusTypeText(1), "", "", ""});
}

void ModbusTableModel::deleteRow(int index) {
    if (index >= 0 && index < int(rows_.size()))
        rows_.erase(rows_.begin() + index);
}

} // namespace zorv
