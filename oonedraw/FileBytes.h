#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace oonedraw {

// The whole file; nothing when it cannot be read or is larger than `maxSize`.
std::optional<std::vector<uint8_t>> ReadFileBytes(const std::filesystem::path& path,
                                                  std::uintmax_t maxSize);

} // namespace oonedraw
