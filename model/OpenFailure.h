#pragma once
// What stood in the way of opening a project file, worded for the user: the message names the
// file and the reason below the system's own first line.

#include <cstddef>
#include <filesystem>
#include <string>

#include "model/ProjectStream.h"

namespace zorv {

// The system's message, then the file, then the reason, one to a line.
std::string openFailureMessage(const char* message, const std::filesystem::path& file,
                               const std::string& reason);

// Why `size` bytes cannot be deciphered: the cipher works in whole blocks of 8 bytes.
std::string undecipherableReason(std::size_t size);
// Where and how the plain stream was refused.
std::string streamFaultReason(const StreamFault& fault);

} // namespace zorv
