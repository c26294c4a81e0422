#pragma once
// Encipherment of project files: two-key triple DES (EDE) in ECB mode over 512-byte chunks;
// only the last chunk is padded with zero bytes to a multiple of 8.

#include <cstdint>
#include <span>
#include <vector>

namespace zorv {

std::vector<uint8_t> encipherProject(std::span<const uint8_t> plain);
// The deciphered bytes, as many as the file holds (a multiple of 8); nothing when the size of
// the file is not a multiple of 8.
bool decipherProject(std::span<const uint8_t> file, std::vector<uint8_t>& plain);

} // namespace zorv
