#pragma once
// Where the work folder keeps the earlier versions of a project, and how a kept version is
// named: "history/<stem>-<hash>/" per project, the stem the project file's name made safe for
// a folder name, the hash (8 hexadecimal digits) taken from the project's absolute path, so that
// two projects of one name in different folders keep apart. Each version is
// "<number>-<yyyymmdd>-<hhmmss>" (the time it was saved, UTC) with ".zvd" and, when a table was
// beside it, ".mdt" and, when it had tags, ".tags.csv"; the number orders the versions even when
// the clock went back.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zorv {

std::filesystem::path historyFolder(const std::filesystem::path& workFolder,
                                    const std::filesystem::path& projectFile);

struct VersionName {
    uint64_t number = 0;
    // Seconds since the epoch.
    int64_t savedAt = 0;
};

std::string versionStem(const VersionName& name);
// Nothing unless `stem` is a whole name that versionStem writes.
std::optional<VersionName> parseVersionStem(std::string_view stem);

} // namespace zorv
