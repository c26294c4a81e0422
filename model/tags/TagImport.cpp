#include "model/tags/TagImport.h"

#include "model/RegisterName.h"
#include "model/tags/CsvText.h"

namespace zorv {

namespace {

std::string quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

// The position of each chosen column; -1 for one not read. False, with the fault, when a named
// column is missing from the header.
bool columnIndex(const CsvColumn& column, const std::vector<std::string>* header, int& index,
                 std::string& fault) {
    index = column.index;
    if (column.name.empty())
        return true;
    if (!header) {
        fault = "columns chosen by name need a header row";
        return false;
    }
    for (std::size_t k = 0; k < header->size(); ++k) {
        if (sameTagName((*header)[k], column.name)) {
            index = int(k);
            return true;
        }
    }
    fault = "the header has no column " + quoted(column.name);
    index = -1;
    return !column.required;
}

std::string fieldAt(const CsvRow& row, int index) {
    return index >= 0 && std::size_t(index) < row.fields.size() ? row.fields[std::size_t(index)]
                                                                : std::string();
}

std::string lineText(int line) {
    return "line " + std::to_string(line) + ": ";
}

} // namespace

bool importTags(std::string_view text, const TagImportOptions& options, TagTable& table,
                std::vector<std::string>& faults) {
    faults.clear();
    std::vector<CsvRow> rows;
    std::string fault;
    if (!parseCsv(text, options.separator, rows, fault)) {
        faults.push_back(fault);
        return false;
    }
    const bool hasHeader = options.header && !rows.empty();
    const std::vector<std::string>* header = hasHeader ? &rows.front().fields : nullptr;
    int nameAt = -1, regAt = -1, commentAt = -1;
    if (!columnIndex(options.name, header, nameAt, fault) ||
        !columnIndex(options.reg, header, regAt, fault) ||
        !columnIndex(options.comment, header, commentAt, fault)) {
        faults.push_back(hasHeader ? lineText(rows.front().line) + fault : fault);
        return false;
    }
    if (nameAt < 0 || regAt < 0) {
        faults.push_back("the name and the register column must be chosen");
        return false;
    }
    TagTable read;
    std::vector<int> lines; // the line of each tag read
    for (std::size_t r = hasHeader ? 1 : 0; r < rows.size(); ++r) {
        const CsvRow& row = rows[r];
        const Tag tag{fieldAt(row, nameAt), {}, fieldAt(row, commentAt)};
        const std::string registerField = fieldAt(row, regAt);
        const auto reg = parseRegisterText(registerField);
        if (!reg) {
            faults.push_back(lineText(row.line) + "unreadable register " + quoted(registerField));
            continue;
        }
        const Tag* first = read.find(tag.name);
        const TagFault check = read.add({tag.name, *reg, tag.comment});
        if (check == TagFault::DuplicateName)
            faults.push_back(lineText(row.line) + "duplicate name " + quoted(first->name) +
                             " (also on line " +
                             std::to_string(lines[std::size_t(first - read.tags().data())]) + ")");
        else if (check != TagFault::None)
            faults.push_back(lineText(row.line) + tagFaultText(check) + " (" + quoted(tag.name) +
                             ")");
        else
            lines.push_back(row.line);
    }
    if (!faults.empty())
        return false;
    if (!options.merge) {
        table = std::move(read);
        return true;
    }
    TagTable merged = table;
    for (const Tag& tag : read.tags()) {
        const TagFault added =
            merged.find(tag.name) ? merged.replace(tag.name, tag) : merged.add(tag);
        if (added != TagFault::None) {
            faults.push_back(quoted(tag.name) + ": " + tagFaultText(added));
            return false;
        }
    }
    table = std::move(merged);
    return true;
}

std::string exportTags(const TagTable& table) {
    std::string text = csvLine({"name", "register", "comment"});
    for (const Tag& tag : table.tags())
        text += csvLine({tag.name, registerText(tag.reg), tag.comment});
    return text;
}

} // namespace zorv
