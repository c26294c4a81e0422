#pragma once
// The file operations of the document: whole-file reads, atomic replacement, read-only
// attributes (the owner's write permission) and folder copies. A failed write names the
// system's reason ("No space left on device") in `failure` when the caller asks for it.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace zorv::fileops {

// The whole file (readWholeFile); nothing when it cannot be read.
std::optional<std::vector<uint8_t>> readFile(const std::filesystem::path& path);
// Writes a whole file in place (truncating).
bool writeFile(const std::filesystem::path& path, std::span<const uint8_t> bytes,
               std::string* failure = nullptr);
// Writes `bytes` to a temporary file beside `target`, flushes it to disk and renames it over
// the target, so that a failed or interrupted write leaves the previous file intact.
bool replaceFile(const std::filesystem::path& target, std::span<const uint8_t> bytes,
                 std::string* failure = nullptr);

bool isReadOnly(const std::filesystem::path& path);
void clearReadOnly(const std::filesystem::path& path);
// Removes a file, clearing its read-only attribute first; a missing file is no error.
void removeFile(const std::filesystem::path& path);
// Copies every file of `from` into `to` (created when missing), overwriting; false when a
// file could not be copied. A missing source folder copies nothing.
bool copyFolderFiles(const std::filesystem::path& from, const std::filesystem::path& to);
// Copies one file over another, clearing the target's read-only attribute first.
bool copyOver(const std::filesystem::path& from, const std::filesystem::path& to);

} // namespace zorv::fileops
