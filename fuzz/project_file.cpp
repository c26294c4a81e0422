// A project file read from a disk that may fail part way. The first byte chooses the mode: bit 0
// set, the rest is a plain stream that is enciphered first (so that the reads reach past the
// header); bit 1 set, the next two bytes (little-endian) are the offset at which every read
// fails. No exception may leave the reader; a read that fails before the end must fail the open
// with the system's reason, unless the file was refused before the bad place was read; a read
// that does not fail must agree with deciphering the whole file at once.
#include <cstdlib>
#include <string>

#include "model/ProjectCipher.h"
#include "model/ProjectFileReader.h"
#include "model/ProjectStream.h"
#include "platform/MemorySource.h"

namespace {

bool endsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3)
        return 0;
    const uint8_t mode = data[0];
    const std::size_t failAt =
        (mode & 2) ? std::size_t(data[1] | data[2] << 8) : zorv::MemorySource::kNeverFails;
    const std::span<const uint8_t> rest(data + 3, size - 3);
    const std::vector<uint8_t> file =
        (mode & 1) ? zorv::encipherProject(rest) : std::vector<uint8_t>(rest.begin(), rest.end());
    zorv::MemorySource source(file, failAt);
    std::vector<uint8_t> plain;
    std::string message;
    const bool read = zorv::readProjectPlain(source, "fuzz.zvd", plain, message);
    if (failAt < file.size()) {
        // Only a refusal on the size or the first block comes before the bad place.
        const bool refusedEarly = message.starts_with("File format error, open failed!") ||
                                  endsWith(message, "not a multiple of 8.");
        if (read || (!refusedEarly && !endsWith(message, "\nInput/output error")))
            std::abort();
        return 0;
    }
    std::vector<uint8_t> whole;
    const bool deciphered = zorv::decipherProject(file, whole);
    if (read != (deciphered && (whole.size() < 8 || zorv::beginsWithProjectSignature(whole))))
        std::abort();
    if (read && plain != whole)
        std::abort();
    if (read) {
        zorv::CHCData project;
        zorv::readProjectStream(plain, project);
    }
    return 0;
}
