#include "image/LanguageTexts.h"

#include <algorithm>

#include "image/LanguageTextsImport.h"
#include "image/SystemParameters.h"

namespace zorv {

void LanguageTextsModel::open(const LanguageTable& table) {
    rows_.clear();
    for (const ChoiceEntry& e : table.entries) {
        if (e.used)
            rows_.push_back({std::to_string(e.value), e.text[0].str(), e.text[1].str()});
    }
}

void LanguageTextsModel::confirm(LanguageTable& table) const {
    table.widths[0] = table.widths[1] = 0;
    const int n = std::min<int>(int(rows_.size()), std::min(kind_.capacity, table.capacity()));
    for (int i = 0; i < n; ++i) {
        ChoiceEntry& e = table.entries[i];
        e.used = true;
        e.value = dialogDecimal(rows_[i][0]);
        for (int lang = 0; lang < 2; ++lang) {
            e.text[lang] = TextSlot::fromBytes(cutCell(rows_[i][1 + lang]));
            table.widths[lang] =
                std::max<uint32_t>(table.widths[lang], textWidthCells(e.text[lang].view()));
        }
    }
    table.count = n;
    // Slots after the rows lose their in-use flag; their texts and values stay.
    for (int k = n; k < table.capacity(); ++k)
        table.entries[k].used = false;
}

bool LanguageTextsModel::close(LanguageTable& table, Prompt& prompt) const {
    if (!prompt.yes(kSaveDataQuestion))
        return false;
    confirm(table);
    return true;
}

std::string LanguageTextsModel::exportText() const {
    return writeTableText(std::string(1, kind_.mark), rows_);
}

bool LanguageTextsModel::importText(std::span<const uint8_t> file, Prompt& prompt) {
    return importTableText(file, std::string(1, kind_.mark), rows_, prompt);
}

bool LanguageTextsModel::exportFile(const std::filesystem::path& name, Prompt& prompt) const {
    return exportTableFile(name, exportText(), prompt);
}

bool LanguageTextsModel::importFile(const std::filesystem::path& path, Prompt& prompt) {
    std::vector<uint8_t> bytes;
    return loadTableFile(path, bytes, prompt) && importText(bytes, prompt);
}

} // namespace zorv
