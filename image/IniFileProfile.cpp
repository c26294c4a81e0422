#include "image/IniFileProfile.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <optional>
#include <vector>

#include "image/IniFile.h"

namespace zorv {

namespace {

std::string_view trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// The file's lines; none when it is missing, nothing when it is there but cannot be read.
std::optional<std::vector<std::string>> readLines(const std::filesystem::path& file) {
    bool missing = false;
    auto lines = readTextLines(file, &missing);
    if (!lines && missing)
        return std::vector<std::string>();
    return lines;
}

// The section name of a "[name]" line.
std::optional<std::string_view> sectionOf(std::string_view line) {
    line = trimmed(line);
    if (line.size() < 2 || line.front() != '[')
        return std::nullopt;
    const auto close = line.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return trimmed(line.substr(1, close - 1));
}

struct Position {
    std::optional<std::size_t> section; // the section's line
    std::optional<std::size_t> key;     // the key's line within it
    std::size_t end = 0;                // the line after the section's last line
};

Position locate(const std::vector<std::string>& lines, std::string_view section,
                std::string_view key) {
    Position p;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (auto name = sectionOf(lines[i])) {
            if (p.section)
                return p;
            if (sameName(*name, section)) {
                p.section = i;
                p.end = i + 1;
            }
            continue;
        }
        if (!p.section)
            continue;
        p.end = i + 1;
        const auto eq = lines[i].find('=');
        if (!p.key && eq != std::string::npos &&
            sameName(trimmed(std::string_view(lines[i]).substr(0, eq)), key))
            p.key = i;
    }
    return p;
}

} // namespace

std::string profileString(const std::filesystem::path& file, std::string_view section,
                          std::string_view key) {
    const auto lines = readLines(file);
    if (!lines)
        return {};
    const Position p = locate(*lines, section, key);
    if (!p.key)
        return {};
    const std::string& line = (*lines)[*p.key];
    std::string value(trimmed(std::string_view(line).substr(line.find('=') + 1)));
    if (value.size() > kProfileValueCapacity)
        value.resize(kProfileValueCapacity);
    return value;
}

bool writeProfileString(const std::filesystem::path& file, std::string_view section,
                        std::string_view key, std::string_view value) {
    // A file that is there but cannot be read is left alone rather than written over.
    auto read = readLines(file);
    if (!read)
        return false;
    std::vector<std::string>& lines = *read;
    const Position p = locate(lines, section, key);
    const std::string keyLine = std::string(key) + "=" + std::string(value);
    if (p.key) {
        lines[*p.key] = keyLine;
    } else if (p.section) {
        lines.insert(lines.begin() + std::ptrdiff_t(p.end), keyLine);
    } else {
        lines.push_back("[" + std::string(section) + "]");
        lines.push_back(keyLine);
    }
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    for (const auto& line : lines)
        out << line << "\r\n";
    out.close();
    return bool(out);
}

std::filesystem::path configIniPath(const Paths& paths) {
    return paths.workFolder() / "config.ini";
}

} // namespace zorv
