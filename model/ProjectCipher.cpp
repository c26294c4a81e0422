#include "model/ProjectCipher.h"

#include <algorithm>

#include "model/Des.h"

namespace zorv {

namespace {

constexpr std::size_t kChunk = 512;

// The project key is the same for every project. It is assembled at run time so that it does
// not stand in the program as one plain 16-byte run.
std::array<uint8_t, 16> projectKey() {
    static constexpr uint8_t kSeed[16] = {0x3A, 0x91, 0x5C, 0xE7, 0x08, 0xB4, 0x6F, 0x22,
                                          0xD5, 0x1E, 0x83, 0x47, 0xF9, 0x60, 0x2B, 0xCE};
    std::array<uint8_t, 16> key{};
    for (std::size_t i = 0; i < key.size(); ++i)
        key[i] = uint8_t(kSeed[i] ^ (0x5A + 13 * i));
    return key;
}

const TripleDes2& projectCipher() {
    static const TripleDes2 cipher(projectKey());
    return cipher;
}

} // namespace

std::vector<uint8_t> encipherProject(std::span<const uint8_t> plain) {
    // Chunks of 512 bytes, the last one padded with zero bytes to whole blocks.
    std::vector<uint8_t> out((plain.size() + 7) / 8 * 8, 0);
    std::copy(plain.begin(), plain.end(), out.begin());
    for (std::size_t off = 0; off < out.size(); off += kChunk)
        projectCipher().encryptEcb(std::span(out).subspan(off, std::min(kChunk, out.size() - off)));
    return out;
}

bool decipherProject(std::span<const uint8_t> file, std::vector<uint8_t>& plain) {
    if (file.size() % 8 != 0)
        return false;
    plain.assign(file.begin(), file.end());
    for (std::size_t off = 0; off < plain.size(); off += kChunk)
        projectCipher().decryptEcb(
            std::span(plain).subspan(off, std::min(kChunk, plain.size() - off)));
    return true;
}

} // namespace zorv
