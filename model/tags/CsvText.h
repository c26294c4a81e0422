#pragma once
// Comma-separated text as spreadsheets and PLC tools write it: fields quoted with double
// quotes when they hold the separator, a quote or a line end, a quote inside doubled; lines
// ended by LF or CR LF. Used for the tag file and the tag imports.

#include <string>
#include <string_view>
#include <vector>

namespace zorv {

struct CsvRow {
    int line = 0; // the line of the file the row starts on, from 1
    std::vector<std::string> fields;
};

inline constexpr std::size_t kMaxCsvBytes = 8u << 20;
inline constexpr std::size_t kMaxCsvRows = 100000;
inline constexpr std::size_t kMaxCsvFields = 64;

// Every row of `text` (a UTF-8 byte order mark at the start is skipped; empty lines are left
// out). False, with `fault` naming the line ("line 7: a quoted field is not closed"), when the
// text is larger than kMaxCsvBytes, has more rows or fields than the limits, a quote that is not
// closed, or text after a closing quote.
bool parseCsv(std::string_view text, char separator, std::vector<CsvRow>& rows, std::string& fault);

// One field as written: quoted when it holds a comma, a quote or a line end.
std::string csvField(std::string_view text);
// The fields joined by commas, ended by "\n".
std::string csvLine(const std::vector<std::string>& fields);

} // namespace zorv
