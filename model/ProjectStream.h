#pragma once
// The plain (deciphered) byte stream of a project file.

#include <cstdint>
#include <span>
#include <vector>

#include "model/CHCData.h"

namespace zorv {

// Appends the plain stream of `project` to `out`: header (signature, format bytes and page
// count refreshed), the fixed-part sizes, every page block, the system alarm list, the trailer.
void writeProjectStream(const CHCData& project, std::vector<uint8_t>& out);
// The plain stream of `project` on its own.
inline std::vector<uint8_t> projectStream(const CHCData& project) {
    std::vector<uint8_t> out;
    writeProjectStream(project, out);
    return out;
}

// Reads a plain stream into `project`, which is replaced only when the whole stream is sound;
// on failure `project` is left as it was and the caller shows "File format error, open failed!".
bool readProjectStream(std::span<const uint8_t> stream, CHCData& project);

} // namespace zorv
