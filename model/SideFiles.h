#pragma once
// The files that belong to a project and lie beside it under its name: "NAME.tags.csv" (the
// tag table) and "NAME.plcmap.csv" (how the PLC link maps the registers). The project file
// never holds what they hold. Save As carries both to the new place; the history and the
// recovery snapshots keep the tag table, which the editor holds with unsaved changes (the map is
// written beside the project as soon as it is changed).

#include <filesystem>
#include <string_view>

namespace zorv {

inline constexpr std::string_view kTagFileEnding = ".tags.csv";
inline constexpr std::string_view kPlcMapFileEnding = ".plcmap.csv";

// "NAME" + ending for "NAME.zvd".
inline std::filesystem::path sideFileOf(const std::filesystem::path& project,
                                        std::string_view ending) {
    std::filesystem::path file = project;
    return file.replace_extension(std::filesystem::path(ending));
}

// Copies the side file of `from` to the same side file of `to`, unless both are one file or
// `from` has none; false when the copy failed.
bool carrySideFile(const std::filesystem::path& from, const std::filesystem::path& to,
                   std::string_view ending);

} // namespace zorv
