#pragma once
// The "Multi Language Editing" dialog without its window: the entry table of a multi-entry
// widget (dynamic text levels, menu items, alarm-list entries) as rows of value and two texts,
// the text file exchange and the confirm rules that write the table back.

#include <filesystem>
#include <vector>

#include "image/LanguageTextsFile.h"
#include "model/records/ChoiceTable.h"
#include "platform/Prompt.h"

namespace zorv {

inline constexpr const char* kSaveDataQuestion = "Save Data?";

// Capacity and file mark of each table kind.
struct LanguageTableKind {
    int capacity;
    char mark;
};
inline constexpr LanguageTableKind kDynamicTextTable{32, 'D'};
inline constexpr LanguageTableKind kMenuTable{20, 'M'};
inline constexpr LanguageTableKind kAlarmTable{200, 'A'};

// The table the caller hands over and copies back into its widget.
struct LanguageTable {
    std::vector<ChoiceEntry> entries; // capacity slots
    int count = 0;
    uint32_t widths[2] = {0, 0}; // widest text of each language, in 8-pixel cells

    explicit LanguageTable(int capacity = 0) : entries(std::size_t(capacity)) {}
    int capacity() const { return int(entries.size()); }
};

// The table of a dynamic text or menu record, and back.
template <class R> LanguageTable languageTableOf(const R& record) {
    LanguageTable t(R::kCapacity);
    for (int k = 0; k < R::kCapacity; ++k)
        t.entries[k] = record.entry(k);
    t.count = record.count();
    t.widths[0] = uint32_t(record.width(0));
    t.widths[1] = uint32_t(record.width(1));
    return t;
}
template <class R> void storeLanguageTable(const LanguageTable& t, R& record) {
    for (int k = 0; k < R::kCapacity && k < t.capacity(); ++k)
        record.setEntry(k, t.entries[k]);
    record.setCount(uint8_t(t.count));
    record.setWidth(0, int32_t(t.widths[0]));
    record.setWidth(1, int32_t(t.widths[1]));
}

class LanguageTextsModel {
public:
    explicit LanguageTextsModel(LanguageTableKind kind) : kind_(kind) {}

    // Cells of a row: 0 "Parameter values", 1 "Language1", 2 "Language2".
    using Row = TextRow;

    // One row per used slot, in slot order: the value in decimal and the two texts.
    void open(const LanguageTable& table);
    std::vector<Row>& rows() { return rows_; }
    const std::vector<Row>& rows() const { return rows_; }

    // "OK": writes at most capacity rows into the slots, clears the in-use flags after them and
    // recomputes the widths.
    void confirm(LanguageTable& table) const;
    // The close box: asks kSaveDataQuestion; Yes confirms. True when the table was written.
    bool close(LanguageTable& table, Prompt& prompt) const;

    std::string exportText() const;
    // Replaces the rows from file bytes as importTableText does.
    bool importText(std::span<const uint8_t> file, Prompt& prompt);
    bool exportFile(const std::filesystem::path& name, Prompt& prompt) const;
    bool importFile(const std::filesystem::path& path, Prompt& prompt);

private:
    LanguageTableKind kind_;
    std::vector<Row> rows_;
};

} // namespace zorv
