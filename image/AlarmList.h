#pragma once
// The "Alarm list" dialog without its window: the starting coil fields and one row per alarm,
// the coil labels, Add and Delete, the text file exchange and the confirm rules that write the
// system alarm list.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "image/LanguageTextsFile.h"
#include "model/records/AlarmListRecord.h"
#include "platform/Prompt.h"

namespace zorv {

inline constexpr const char* kAlarmFileHead = "AlarmDlg";

class AlarmListModel {
public:
    // Cells of a row: 0 "Coil", 1 "Language1", 2 "Language2".
    using Row = TextRow;

    // Fields and rows from the record: one row per entry 1 .. count - 1.
    void open(const AlarmListRecord& record);

    const std::string& station() const { return station_; }
    void setStation(std::string text) { station_ = std::move(text); }
    // 1 selects "M"; any other code shows and stores "D" (7).
    uint8_t typeCode() const { return type_; }
    void setTypeCode(uint8_t code);
    const std::string& address() const { return address_; }
    void setAddress(std::string text);

    const std::vector<Row>& rows() const { return rows_; }
    int rowCount() const { return int(rows_.size()); }
    // Language texts of row i (lang 0 or 1); kept to 24 bytes as the cells are.
    void setText(int row, int lang, std::string_view text);

    // "Add": a row after `selected`, or at the end when nothing is selected; the new row's index.
    int addRow(std::optional<int> selected);
    // An empty row at `at` (cut to the row count), as the list's Insert key makes it.
    int insertRow(int at);
    // "Delete": removes the selected row; the row that takes its place stays selected (nothing
    // when the list became shorter than the selection).
    std::optional<int> deleteRow(int selected);

    // "OK": refuses more than 64 rows with kTooManyAlarmsMessage; otherwise writes station, type,
    // start address and the entries (entry 0 "No Alarm") into the record.
    bool confirm(AlarmListRecord& record, Prompt& prompt) const;

    // The text file of the list as shown.
    std::string exportText() const { return writeTableText(kAlarmFileHead, rows_); }
    // Replaces the rows from file bytes (importTableText: a UTF-8 file is converted); the coil
    // cells are relabelled from the fields. False after the message when the head is wrong or a
    // character cannot be shown (the list keeps one empty row).
    bool importText(std::span<const uint8_t> file, Prompt& prompt);
    // Files: ".txt" is appended to a name without it; failures show kExportFailureMessage or
    // kImportFailureMessage. Neither touches the record.
    bool exportFile(const std::filesystem::path& name, Prompt& prompt) const;
    bool importFile(const std::filesystem::path& path, Prompt& prompt);

private:
    void relabel();

    std::string station_ = "1";
    uint8_t type_ = uint8_t(RegisterType::D);
    std::string address_ = "0";
    std::vector<Row> rows_;
};

} // namespace zorv
