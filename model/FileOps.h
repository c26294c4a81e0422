#pragma once
// The file operations of the document: whole-file reads, atomic replacement, read-only
// attributes (the owner's write permission) and folder copies.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

namespace zorv::fileops {

std::optional<std::vector<uint8_t>> readFile(const std::filesystem::path& path);
// Writes a whole file in place (truncating).
bool writeFile(const std::filesystem::path& path, std::span<const uint8_t> bytes);
// Writes `bytes` to a temporary file beside `target`, flushes it to disk and renames it over
// the target, so that a failed or interrupted write leaves the previous file intact.
bool replaceFile(const std::filesystem::path& target, std::span<const uint8_t> bytes);

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
