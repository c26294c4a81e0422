// The CSV form of the translation file: a header row, then a row per text. The reader finds its
// columns by their names in the header, so a spreadsheet may reorder or drop the others.

#include <algorithm>
#include <map>

#include "cli/texts/TranslationFile.h"
#include "model/tags/CsvText.h"

namespace zorv {

namespace {

constexpr const char* kIdColumn = "id";
constexpr const char* kLanguageColumns[2] = {"language 1", "language 2"};

std::string lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return out;
}

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

} // namespace

std::string textsCsv(const std::vector<TextEntry>& entries) {
    std::string out = "\xEF\xBB\xBF"; // the byte-order mark tells spreadsheets it is UTF-8
    out += csvLine({"id", "page", "page description", "widget", "part", "x", "y", "max bytes",
                    "max cells", kLanguageColumns[0], kLanguageColumns[1]});
    for (const TextEntry& e : entries)
        out += csvLine({e.id, e.place.page ? std::to_string(*e.place.page) : "", e.pageDescription,
                        e.widget, e.part, e.place.page ? std::to_string(e.x) : "",
                        e.place.page ? std::to_string(e.y) : "", std::to_string(e.maxBytes),
                        std::to_string(e.maxCells), fileTextOf(e.text[0]), fileTextOf(e.text[1])});
    return out;
}

bool readTextsCsv(std::string_view file, std::vector<TranslatedText>& out, std::string& fault) {
    out.clear();
    std::vector<CsvRow> rows;
    if (!parseCsv(file, ',', rows, fault))
        return false;
    if (rows.empty()) {
        fault = "line 1: the file has no header row";
        return false;
    }
    std::map<std::string, std::size_t> columns;
    for (std::size_t i = 0; i < rows[0].fields.size(); ++i)
        columns.emplace(lower(trimmed(rows[0].fields[i])), i);
    const auto column = [&](const char* name) -> std::optional<std::size_t> {
        const auto found = columns.find(name);
        return found == columns.end() ? std::nullopt : std::optional(found->second);
    };
    const auto id = column(kIdColumn);
    const std::optional<std::size_t> language[2] = {column(kLanguageColumns[0]),
                                                    column(kLanguageColumns[1])};
    if (!id || (!language[0] && !language[1])) {
        fault = "line " + std::to_string(rows[0].line) +
                ": the header row needs an \"id\" column and a \"language 1\" or \"language 2\" "
                "column";
        return false;
    }
    for (std::size_t r = 1; r < rows.size(); ++r) {
        const CsvRow& row = rows[r];
        TranslatedText t;
        t.line = row.line;
        t.id = *id < row.fields.size() ? trimmed(row.fields[*id]) : std::string();
        for (int lang = 0; lang < 2; ++lang)
            if (language[lang])
                t.text[std::size_t(lang)] =
                    *language[lang] < row.fields.size() ? row.fields[*language[lang]] : "";
        out.push_back(std::move(t));
    }
    return true;
}

} // namespace zorv
