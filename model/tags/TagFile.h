#pragma once
// The tag file beside a project: "NAME.tags.csv" for "NAME.zvd". The project file never holds
// the tags; a project without tags has no tag file.

#include <filesystem>
#include <string>
#include <string_view>

#include "model/tags/TagTable.h"

namespace zorv {

std::filesystem::path tagFileOf(const std::filesystem::path& project);

// The file's text for the table: empty for an empty table, which has no file.
std::string tagFileText(const TagTable& table);
// The tags of a tag file's text (none for an empty one); false, with each faulty line named in
// `faults`, leaving `table` as it was.
bool readTagText(std::string_view text, TagTable& table, std::string& faults);

// The tags of the file; an empty table when there is no file. False, with `message` naming the
// file and what is wrong with it, when it cannot be read or holds faulty rows; `table` is then
// left as it was.
bool loadTagFile(const std::filesystem::path& file, TagTable& table, std::string& message);
// Replaces the file atomically; an empty table removes it.
bool saveTagFile(const std::filesystem::path& file, const TagTable& table,
                 std::string* failure = nullptr);

} // namespace zorv
