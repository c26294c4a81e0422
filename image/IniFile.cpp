#include "image/IniFile.h"

#include "platform/FileRead.h"

namespace zorv {

std::optional<std::vector<std::string>> readTextLines(const std::filesystem::path& file,
                                                      bool* missing) {
    const FileContents contents = readWholeFile(file);
    if (missing)
        *missing = contents.missing;
    if (!contents)
        return std::nullopt;
    std::vector<std::string> lines;
    const std::string_view text(reinterpret_cast<const char*>(contents.bytes.data()),
                                contents.bytes.size());
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

bool CIniFile::openForReading() {
    close();
    auto lines = readTextLines(path());
    if (!lines)
        return false;
    lines_ = std::move(*lines);
    reading_ = true;
    return true;
}

bool CIniFile::openForWriting() {
    close();
    out_.open(path(), std::ios::binary | std::ios::trunc);
    return out_.is_open();
}

bool CIniFile::writeLine(std::string_view line) {
    if (!out_.is_open())
        return false;
    out_ << line << "\r\n";
    return bool(out_);
}

bool CIniFile::writeSection(std::string_view name) {
    return writeLine("[" + std::string(name) + "]");
}

bool CIniFile::writeKey(std::string_view key, std::string_view value) {
    return writeLine(std::string(key) + "=" + std::string(value));
}

bool CIniFile::findSection(std::string_view name) {
    if (!reading_)
        return false;
    for (next_ = 0; next_ < lines_.size();) {
        if (lines_[next_++].find(name) != std::string::npos)
            return true;
    }
    return false;
}

bool CIniFile::getValue(std::string_view section, std::string_view key, std::string& value) {
    if (!findSection(section))
        return false;
    for (; next_ < lines_.size(); ++next_) {
        const std::string& line = lines_[next_];
        if (line.find('[') != std::string::npos)
            continue;
        const std::size_t eq = line.find('=');
        const std::string_view keyPart = std::string_view(line).substr(0, eq);
        if (keyPart.empty() || keyPart.find(key) == std::string_view::npos)
            continue;
        std::string_view v =
            eq == std::string::npos ? std::string_view() : std::string_view(line).substr(eq + 1);
        const std::size_t first = v.find_first_not_of(' ');
        v = first == std::string_view::npos ? std::string_view() : v.substr(first);
        v = v.substr(0, v.find_last_not_of(' ') + 1);
        value = std::string(v);
        ++next_;
        return true;
    }
    return false;
}

void CIniFile::close() {
    lines_.clear();
    next_ = 0;
    reading_ = false;
    if (out_.is_open())
        out_.close();
}

} // namespace zorv
