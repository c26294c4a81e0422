#pragma once
// The plain stream out of an enciphered project file. The first cipher block is deciphered and
// its header looked at before the rest is read, so that a file of another kind is refused at
// once, whatever its size.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/FileRead.h"

namespace zorv {

// On failure `message` is the system's message ("Failed to open file!" for a file that cannot
// be read or deciphered, "File format error, open failed!" for one without the header), then
// `name` and the reason, one to a line.
bool readProjectPlain(ByteSource& file, const std::filesystem::path& name,
                      std::vector<uint8_t>& plain, std::string& message);
bool readProjectPlain(const std::filesystem::path& path, std::vector<uint8_t>& plain,
                      std::string& message);

} // namespace zorv
