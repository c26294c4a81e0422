#pragma once
// Private-profile access to config.ini in the work folder: the paths the download tool's
// converter mode remembers ("FilePathName": "InputFile", "OutputFile").

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/Paths.h"

namespace zorv {

inline constexpr const char* kConfigSection = "FilePathName";
inline constexpr const char* kConfigInputKey = "InputFile";
inline constexpr const char* kConfigOutputKey = "OutputFile";
constexpr std::size_t kProfileValueCapacity = 127;

// The value of `key` in `[section]` (names compared without regard to case, blanks around names
// and values ignored), cut to 127 characters; empty when the file, section or key is missing.
std::string profileString(const std::filesystem::path& file, std::string_view section,
                          std::string_view key);
// Replaces the key's value, adding the key (and the section) when missing; other lines stay.
bool writeProfileString(const std::filesystem::path& file, std::string_view section,
                        std::string_view key, std::string_view value);

std::filesystem::path configIniPath(const Paths& paths);

} // namespace zorv
