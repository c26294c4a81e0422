#include "model/tags/CsvText.h"

namespace zorv {

namespace {

class CsvReader {
public:
    CsvReader(std::string_view text, char separator) : text_(text), separator_(separator) {}

    bool read(std::vector<CsvRow>& rows, std::string& fault) {
        if (text_.substr(0, 3) == "\xEF\xBB\xBF")
            pos_ = 3;
        while (pos_ < text_.size()) {
            CsvRow row;
            row.line = line_;
            if (!readRow(row.fields, fault))
                return false;
            if (row.fields.size() == 1 && row.fields[0].empty() && !quotedRow_)
                continue; // an empty line
            if (rows.size() == kMaxCsvRows)
                return failAt(row.line, "more than " + std::to_string(kMaxCsvRows) + " rows",
                              fault);
            rows.push_back(std::move(row));
        }
        return true;
    }

private:
    std::string_view text_;
    char separator_;
    std::size_t pos_ = 0;
    int line_ = 1;
    bool quotedRow_ = false;

    static bool failAt(int line, const std::string& what, std::string& fault) {
        fault = "line " + std::to_string(line) + ": " + what;
        return false;
    }

    // Consumes a line end at the reading position; true when there was one.
    bool lineEnd() {
        if (text_.compare(pos_, 2, "\r\n") == 0)
            pos_ += 2;
        else if (pos_ < text_.size() && text_[pos_] == '\n')
            ++pos_;
        else
            return false;
        ++line_;
        return true;
    }

    bool readRow(std::vector<std::string>& fields, std::string& fault) {
        const int start = line_;
        quotedRow_ = false;
        for (;;) {
            if (fields.size() == kMaxCsvFields)
                return failAt(start, "more than " + std::to_string(kMaxCsvFields) + " fields",
                              fault);
            std::string& field = fields.emplace_back();
            if (pos_ < text_.size() && text_[pos_] == '"') {
                quotedRow_ = true;
                if (!readQuoted(field, fault))
                    return false;
            } else {
                while (pos_ < text_.size() && text_[pos_] != separator_ && text_[pos_] != '\n' &&
                       text_.compare(pos_, 2, "\r\n") != 0)
                    field.push_back(text_[pos_++]);
            }
            if (pos_ >= text_.size() || lineEnd())
                return true;
            if (text_[pos_] != separator_)
                return failAt(line_, "text after a closing quote", fault);
            ++pos_;
        }
    }

    bool readQuoted(std::string& field, std::string& fault) {
        const int start = line_;
        ++pos_;
        for (;;) {
            if (pos_ >= text_.size())
                return failAt(start, "a quoted field is not closed", fault);
            const char c = text_[pos_];
            if (c == '"') {
                if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '"') {
                    field.push_back('"');
                    pos_ += 2;
                    continue;
                }
                ++pos_;
                return true;
            }
            if (c == '\n')
                ++line_;
            field.push_back(c);
            ++pos_;
        }
    }
};

} // namespace

bool parseCsv(std::string_view text, char separator, std::vector<CsvRow>& rows,
              std::string& fault) {
    rows.clear();
    if (text.size() > kMaxCsvBytes) {
        fault = "the file is larger than " + std::to_string(kMaxCsvBytes >> 20) + " MiB";
        return false;
    }
    if (!CsvReader(text, separator).read(rows, fault)) {
        rows.clear();
        return false;
    }
    return true;
}

std::string csvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string out = "\"";
    for (char c : text) {
        if (c == '"')
            out.push_back('"');
        out.push_back(c);
    }
    return out + "\"";
}

std::string csvLine(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line.push_back(',');
        line += csvField(fields[i]);
    }
    return line + "\n";
}

} // namespace zorv
