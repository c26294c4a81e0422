#pragma once
// Reading the file a transfer sends, with the message boxes of a missing or unreadable file.

#include <cstdint>
#include <filesystem>
#include <vector>

#include "platform/Prompt.h"

namespace zorv {

// A file that cannot be read shows `unreadableMessage`, the file and the system's reason.
bool readTransferFile(const std::filesystem::path& path, const char* missingMessage,
                      const char* unreadableMessage, Prompt& prompt, std::vector<uint8_t>& bytes);

// The file's size in bytes; 0 when it does not exist.
long fileSizeOf(const std::filesystem::path& path);

} // namespace zorv
