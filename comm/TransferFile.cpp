#include "comm/TransferFile.h"

#include <fstream>
#include <iterator>

namespace zorv {

bool readTransferFile(const std::filesystem::path& path, const char* missingMessage,
                      const char* unreadableMessage, Prompt& prompt, std::vector<uint8_t>& bytes) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        prompt.message(missingMessage);
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in || std::filesystem::is_directory(path, ec)) {
        prompt.message(unreadableMessage);
        return false;
    }
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) {
        prompt.message(unreadableMessage);
        return false;
    }
    return true;
}

long fileSizeOf(const std::filesystem::path& path) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    return ec ? 0 : long(size);
}

} // namespace zorv
