#include "comm/TransferFile.h"

#include "model/OpenFailure.h"
#include "platform/FileRead.h"

namespace zorv {

bool readTransferFile(const std::filesystem::path& path, const char* missingMessage,
                      const char* unreadableMessage, Prompt& prompt, std::vector<uint8_t>& bytes) {
    FileContents file = readWholeFile(path);
    if (file.missing) {
        prompt.message(missingMessage);
        return false;
    }
    if (!file) {
        prompt.message(openFailureMessage(unreadableMessage, path, file.failure));
        return false;
    }
    bytes = std::move(file.bytes);
    return true;
}

long fileSizeOf(const std::filesystem::path& path) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    return ec ? 0 : long(size);
}

} // namespace zorv
