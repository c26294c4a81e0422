#include "image/AlarmList.h"

#include "image/LanguageTextsImport.h"
#include "image/SystemParameters.h"

#include <algorithm>

namespace zorv {

namespace {
constexpr const char* kNoAlarm = "No Alarm";
constexpr uint8_t kM = uint8_t(RegisterType::M), kD = uint8_t(RegisterType::D);
} // namespace

void AlarmListModel::open(const AlarmListRecord& record) {
    station_ = std::to_string(record.station());
    type_ = record.registerType() == kM ? kM : kD;
    address_ = std::to_string(record.start());
    rows_.clear();
    const int entries = std::min<int>(record.entryCount(), AlarmListRecord::kCapacity);
    for (int j = 1; j < entries; ++j)
        rows_.push_back({"", record.text(j, 0).str(), record.text(j, 1).str()});
    relabel();
}

void AlarmListModel::setTypeCode(uint8_t code) {
    type_ = code == kM ? kM : kD;
    relabel();
}

void AlarmListModel::setAddress(std::string text) {
    address_ = std::move(text);
    relabel();
}

void AlarmListModel::setText(int row, int lang, std::string_view text) {
    if (row >= 0 && row < rowCount() && (lang == 0 || lang == 1))
        rows_[row][1 + lang] = cutCell(text);
}

int AlarmListModel::addRow(std::optional<int> selected) {
    if (selected && *selected >= 0 && *selected < rowCount())
        return insertRow(*selected + 1);
    return insertRow(rowCount());
}

int AlarmListModel::insertRow(int at) {
    at = std::clamp(at, 0, rowCount());
    rows_.insert(rows_.begin() + at, Row{});
    relabel();
    return at;
}

std::optional<int> AlarmListModel::deleteRow(int selected) {
    if (selected < 0 || selected >= rowCount())
        return std::nullopt;
    rows_.erase(rows_.begin() + selected);
    relabel();
    if (selected < rowCount())
        return selected;
    return std::nullopt;
}

void AlarmListModel::relabel() {
    const std::string letter = type_ == kM ? "M" : "D";
    const int start = dialogDecimal(address_);
    for (int i = 0; i < rowCount(); ++i)
        rows_[i][0] = letter + std::to_string(start + i);
}

bool AlarmListModel::confirm(AlarmListRecord& record, Prompt& prompt) const {
    if (rowCount() > AlarmListRecord::kMaxAlarms) {
        prompt.message(kTooManyAlarmsMessage);
        return false;
    }
    record.setStation(uint8_t(dialogDecimal(station_)));
    record.setStart(uint16_t(dialogDecimal(address_)));
    record.setRegisterType(type_);
    uint16_t count = 1;
    for (const Row& row : rows_) {
        record.setText(count, 0, TextSlot::fromBytes(cutCell(row[1])));
        record.setText(count, 1, TextSlot::fromBytes(cutCell(row[2])));
        ++count;
    }
    record.setEntryCount(count);
    record.setText(0, 0, TextSlot::fromBytes(kNoAlarm));
    record.setText(0, 1, TextSlot::fromBytes(kNoAlarm));
    return true;
}

bool AlarmListModel::importText(std::span<const uint8_t> file, Prompt& prompt) {
    const bool ok = importTableText(file, kAlarmFileHead, rows_, prompt);
    relabel();
    return ok;
}

bool AlarmListModel::exportFile(const std::filesystem::path& name, Prompt& prompt) const {
    return exportTableFile(name, exportText(), prompt);
}

bool AlarmListModel::importFile(const std::filesystem::path& path, Prompt& prompt) {
    std::vector<uint8_t> bytes;
    return loadTableFile(path, bytes, prompt) && importText(bytes, prompt);
}

} // namespace zorv
