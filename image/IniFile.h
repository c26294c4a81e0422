#pragma once
// A small reader and writer of ini-style files (info.ini): section lines "[name]", key lines
// "key=value", in text mode (CR LF line ends on disk).

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorv {

// The save dialog's file of the last project folder: info.ini, [path] LastPath=.
inline constexpr const char* kInfoIniMissingMessage = "info.ini does not exist!";
inline constexpr const char* kInfoIniBaseName = "info";
inline constexpr const char* kInfoIniSection = "path";
inline constexpr const char* kInfoIniKey = "LastPath";

// The lines of a text file without their line ends (LF or CR LF; a last line end adds no empty
// line); nothing when the file cannot be read, `missing` telling a file that is not there.
std::optional<std::vector<std::string>> readTextLines(const std::filesystem::path& file,
                                                      bool* missing = nullptr);

class CIniFile {
public:
    // The folder ends with a path separator; the file is folder + base name + ".ini".
    void setFolder(std::string folder) { folder_ = std::move(folder); }
    void setFileName(std::string_view baseName) { fileName_ = std::string(baseName) + ".ini"; }
    std::filesystem::path path() const { return std::filesystem::path(folder_ + fileName_); }

    bool openForReading();
    // Creates or empties the file.
    bool openForWriting();
    // False when no file is open for writing.
    bool writeSection(std::string_view name);
    bool writeKey(std::string_view key, std::string_view value);

    // From the start of the file, the first line that contains `name` (anywhere in the line).
    bool findSection(std::string_view name);
    // After the section's line, the first line without "[" whose key part (the text before the
    // first "=", or the whole line) is not empty and contains `key`; `value` is the text after
    // the first "=" without leading and trailing spaces.
    bool getValue(std::string_view section, std::string_view key, std::string& value);
    void close();

private:
    bool writeLine(std::string_view line);

    std::string folder_, fileName_;
    std::vector<std::string> lines_; // the file's lines while open for reading
    std::size_t next_ = 0;           // the line after the last one looked at
    bool reading_ = false;
    std::ofstream out_;
};

} // namespace zorv
