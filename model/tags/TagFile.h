#pragma once
// The tag file beside a project: "NAME.tags.csv" for "NAME.zvd". The project file never holds
// the tags; a project without tags has no tag file.

#include <filesystem>
#include <string>

#include "model/tags/TagTable.h"

namespace zorv {

std::filesystem::path tagFileOf(const std::filesystem::path& project);

// The tags of the file; an empty table when there is no file. False, with `message` naming the
// file and what is wrong with it, when it cannot be read or holds faulty rows; `table` is then
// left as it was.
bool loadTagFile(const std::filesystem::path& file, TagTable& table, std::string& message);
// Replaces the file atomically; an empty table removes it.
bool saveTagFile(const std::filesystem::path& file, const TagTable& table,
                 std::string* failure = nullptr);

} // namespace zorv
