#pragma once
// The DES block cipher and its two-key triple form (EDE: encrypt with K1, decrypt with K2,
// encrypt with K1), on 8-byte blocks in the big-endian bit order of the standard.

#include <array>
#include <cstdint>
#include <span>

namespace zorv {

class Des {
public:
    // The parity bits (bit 0 of each key byte) are ignored.
    explicit Des(std::span<const uint8_t, 8> key);

    void encryptBlock(std::span<const uint8_t, 8> in, std::span<uint8_t, 8> out) const;
    void decryptBlock(std::span<const uint8_t, 8> in, std::span<uint8_t, 8> out) const;

    // One round key as the round function uses it: the 6-bit groups 0, 2, 4, 6 in the bytes of
    // `even` and 1, 3, 5, 7 in the bytes of `odd`, most significant byte first.
    struct RoundKey {
        uint32_t even = 0;
        uint32_t odd = 0;
    };
    using Schedule = std::array<RoundKey, 16>;

    const Schedule& schedule() const { return schedule_; }

private:
    Schedule schedule_;
};

class TripleDes2 {
public:
    // key = K1 || K2.
    explicit TripleDes2(std::span<const uint8_t, 16> key);

    void encryptBlock(std::span<const uint8_t, 8> in, std::span<uint8_t, 8> out) const;
    void decryptBlock(std::span<const uint8_t, 8> in, std::span<uint8_t, 8> out) const;
    // Electronic-codebook mode in place; the size must be a multiple of 8.
    void encryptEcb(std::span<uint8_t> data) const;
    void decryptEcb(std::span<uint8_t> data) const;

private:
    Des k1_, k2_;
};

} // namespace zorv
