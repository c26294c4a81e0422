#include "model/ProjectFileReader.h"

#include "model/CZorvEditorDoc.h"
#include "model/OpenFailure.h"
#include "model/ProjectCipher.h"
#include "model/ProjectStream.h"

namespace zorv {

namespace {

constexpr std::size_t kCipherBlock = 8;

} // namespace

bool readProjectPlain(ByteSource& file, const std::filesystem::path& name,
                      std::vector<uint8_t>& plain, std::string& message) {
    // A file of torn blocks cannot be deciphered; its size says so before any byte is read.
    const std::uintmax_t size = file.announcedSize();
    if (file.failure().empty() && size % kCipherBlock != 0) {
        message = openFailureMessage(docmsg::kOpenFailed, name, undecipherableReason(size));
        return false;
    }
    std::vector<uint8_t> bytes;
    if (!file.read(kCipherBlock, bytes)) {
        message = openFailureMessage(docmsg::kOpenFailed, name, file.failure());
        return false;
    }
    std::vector<uint8_t> head;
    if (bytes.size() == kCipherBlock && decipherProject(bytes, head) &&
        !beginsWithProjectSignature(head)) {
        message = openFailureMessage(docmsg::kFormatError, name,
                                     streamFaultReason({StreamFault::Part::Signature}));
        return false;
    }
    FileContents rest = readRest(file);
    if (!rest) {
        message = openFailureMessage(docmsg::kOpenFailed, name, rest.failure);
        return false;
    }
    // The rest holds room for the whole file already.
    rest.bytes.insert(rest.bytes.begin(), bytes.begin(), bytes.end());
    bytes = std::move(rest.bytes);
    if (!decipherProject(bytes, plain)) {
        message = openFailureMessage(docmsg::kOpenFailed, name, undecipherableReason(bytes.size()));
        return false;
    }
    return true;
}

bool readProjectPlain(const std::filesystem::path& path, std::vector<uint8_t>& plain,
                      std::string& message) {
    InputFile file(path);
    return readProjectPlain(file, path, plain, message);
}

} // namespace zorv
