#include "oonedraw/FileBytes.h"

#include <fstream>

namespace oonedraw {

std::optional<std::vector<uint8_t>> ReadFileBytes(const std::filesystem::path& path,
                                                  std::uintmax_t maxSize) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in)
        return std::nullopt;
    const std::streamoff size = in.tellg();
    if (size < 0 || std::uintmax_t(size) > maxSize || !in.seekg(0))
        return std::nullopt;
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    if (size > 0 && (!in.read(reinterpret_cast<char*>(bytes.data()), size) || in.gcount() != size))
        return std::nullopt;
    return bytes;
}

} // namespace oonedraw
