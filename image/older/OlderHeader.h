#pragma once
// The system parameters of a translated project, from the header of the older file.

#include <cstdint>
#include <span>

#include "model/ProjectHeader.h"

namespace zorv::older {

// The first 145 bytes of the older file hold its header.
inline constexpr std::size_t kHeaderSize = 145;

// Fills `h` from the older header; `file` holds at least kHeaderSize bytes.
void translateHeader(std::span<const uint8_t> file, ProjectHeader& h);

} // namespace zorv::older
