#include "model/Des.h"

#include <cassert>

namespace zorv {

namespace {

// Tables of FIPS 46-3, bit 1 being the most significant bit of its block.
constexpr uint8_t kIP[64] = {58, 50, 42, 34, 26, 18, 10, 2, 60, 52, 44, 36, 28, 20, 12, 4,
                             62, 54, 46, 38, 30, 22, 14, 6, 64, 56, 48, 40, 32, 24, 16, 8,
                             57, 49, 41, 33, 25, 17, 9,  1, 59, 51, 43, 35, 27, 19, 11, 3,
                             61, 53, 45, 37, 29, 21, 13, 5, 63, 55, 47, 39, 31, 23, 15, 7};
constexpr uint8_t kP[32] = {16, 7, 20, 21, 29, 12, 28, 17, 1,  15, 23, 26, 5,  18, 31, 10,
                            2,  8, 24, 14, 32, 27, 3,  9,  19, 13, 30, 6,  22, 11, 4,  25};
constexpr uint8_t kPC1[56] = {57, 49, 41, 33, 25, 17, 9,  1,  58, 50, 42, 34, 26, 18,
                              10, 2,  59, 51, 43, 35, 27, 19, 11, 3,  60, 52, 44, 36,
                              63, 55, 47, 39, 31, 23, 15, 7,  62, 54, 46, 38, 30, 22,
                              14, 6,  61, 53, 45, 37, 29, 21, 13, 5,  28, 20, 12, 4};
constexpr uint8_t kPC2[48] = {14, 17, 11, 24, 1,  5,  3,  28, 15, 6,  21, 10, 23, 19, 12, 4,
                              26, 8,  16, 7,  27, 20, 13, 2,  41, 52, 31, 37, 47, 55, 30, 40,
                              51, 45, 33, 48, 44, 49, 39, 56, 34, 53, 46, 42, 50, 36, 29, 32};
constexpr uint8_t kShifts[16] = {1, 1, 2, 2, 2, 2, 2, 2, 1, 2, 2, 2, 2, 2, 2, 1};
constexpr uint8_t kS[8][64] = {
    {14, 4,  13, 1, 2,  15, 11, 8, 3, 10, 6, 12, 5,  9,  0,  7,  0,  15, 7,  4,  14, 2,
     13, 1,  10, 6, 12, 11, 9,  5, 3, 8,  4, 1,  14, 8,  13, 6,  2,  11, 15, 12, 9,  7,
     3,  10, 5,  0, 15, 12, 8,  2, 4, 9,  1, 7,  5,  11, 3,  14, 10, 0,  6,  13},
    {15, 1,  8,  14, 6,  11, 3,  4, 9,  7,  2, 13, 12, 0,  5,  10, 3,  13, 4,  7, 15, 2,
     8,  14, 12, 0,  1,  10, 6,  9, 11, 5,  0, 14, 7,  11, 10, 4,  13, 1,  5,  8, 12, 6,
     9,  3,  2,  15, 13, 8,  10, 1, 3,  15, 4, 2,  11, 6,  7,  12, 0,  5,  14, 9},
    {10, 0,  9,  14, 6, 3,  15, 5,  1,  13, 12, 7, 11, 4,  2,  8,  13, 7, 0,  9, 3, 4,
     6,  10, 2,  8,  5, 14, 12, 11, 15, 1,  13, 6, 4,  9,  8,  15, 3,  0, 11, 1, 2, 12,
     5,  10, 14, 7,  1, 10, 13, 0,  6,  9,  8,  7, 4,  15, 14, 3,  11, 5, 2,  12},
    {7, 13, 14, 3, 0, 6,  9, 10, 1,  2, 8,  5, 11, 12, 4,  15, 13, 8,  11, 5, 6, 15,
     0, 3,  4,  7, 2, 12, 1, 10, 14, 9, 10, 6, 9,  0,  12, 11, 7,  13, 15, 1, 3, 14,
     5, 2,  8,  4, 3, 15, 0, 6,  10, 1, 13, 8, 9,  4,  5,  11, 12, 7,  2,  14},
    {2,  12, 4, 1,  7,  10, 11, 6, 8, 5,  3, 15, 13, 0,  14, 9,  14, 11, 2,  12, 4,  7,
     13, 1,  5, 0,  15, 10, 3,  9, 8, 6,  4, 2,  1,  11, 10, 13, 7,  8,  15, 9,  12, 5,
     6,  3,  0, 14, 11, 8,  12, 7, 1, 14, 2, 13, 6,  15, 0,  9,  10, 4,  5,  3},
    {12, 1,  10, 15, 9,  2,  6, 8,  0, 13, 3,  4,  14, 7,  5, 11, 10, 15, 4, 2, 7, 12,
     9,  5,  6,  1,  13, 14, 0, 11, 3, 8,  9,  14, 15, 5,  2, 8,  12, 3,  7, 0, 4, 10,
     1,  13, 11, 6,  4,  3,  2, 12, 9, 5,  15, 10, 11, 14, 1, 7,  6,  0,  8, 13},
    {4, 11, 2,  14, 15, 0,  8,  13, 3, 12, 9,  7, 5,  10, 6,  1,  13, 0,  11, 7,  4, 9,
     1, 10, 14, 3,  5,  12, 2,  15, 8, 6,  1,  4, 11, 13, 12, 3,  7,  14, 10, 15, 6, 8,
     0, 5,  9,  2,  6,  11, 13, 8,  1, 4,  10, 7, 9,  5,  0,  15, 14, 2,  3,  12},
    {13, 2, 8,  4, 6, 15, 11, 1,  10, 9,  3, 14, 5,  0,  12, 7,  1,  15, 13, 8, 10, 3,
     7,  4, 12, 5, 6, 11, 0,  14, 9,  2,  7, 11, 4,  1,  9,  12, 14, 2,  0,  6, 10, 13,
     15, 3, 5,  8, 2, 1,  14, 7,  4,  10, 8, 13, 15, 12, 9,  0,  3,  5,  6,  11},
};

// Every bit of a DES block is numbered from 1 (the most significant) to 64.
constexpr uint64_t bit64(int n) {
    return uint64_t(1) << (64 - n);
}

// The initial and final permutations as byte-indexed tables: entry [j][v] is what byte j of the
// input with value v contributes to the output.
struct PermutationTables {
    uint64_t initial[8][256];
    uint64_t final[8][256];
};

// S-box i followed by the permutation P, indexed by the 6-bit group of the expanded half.
using SpTables = std::array<std::array<uint32_t, 64>, 8>;

PermutationTables makePermutationTables() {
    PermutationTables t{};
    int inverse[64];
    for (int i = 0; i < 64; ++i)
        inverse[kIP[i] - 1] = i;
    for (int j = 0; j < 8; ++j) {
        for (int v = 0; v < 256; ++v) {
            for (int b = 0; b < 8; ++b) {
                if (!(v & (0x80 >> b)))
                    continue;
                const int in = 8 * j + b; // 0-based input bit
                t.initial[j][v] |= bit64(inverse[in] + 1);
                t.final[j][v] |= bit64(kIP[in]);
            }
        }
    }
    return t;
}

SpTables makeSpTables() {
    SpTables sp{};
    for (int box = 0; box < 8; ++box) {
        for (int x = 0; x < 64; ++x) {
            // Outer bits select the row, inner bits the column.
            const int row = ((x >> 4) & 2) | (x & 1);
            const int col = (x >> 1) & 15;
            const uint32_t s = kS[box][row * 16 + col];
            const uint32_t placed = s << (28 - 4 * box); // S-box output bits 4box+1..4box+4
            uint32_t permuted = 0;
            for (int i = 0; i < 32; ++i) {
                if (placed & (0x80000000u >> (kP[i] - 1)))
                    permuted |= 0x80000000u >> i;
            }
            sp[box][x] = permuted;
        }
    }
    return sp;
}

const PermutationTables& permutations() {
    static const PermutationTables tables = makePermutationTables();
    return tables;
}

const SpTables& spTables() {
    static const SpTables tables = makeSpTables();
    return tables;
}

inline uint32_t rotl(uint32_t v, int n) {
    return (v << n) | (v >> (32 - n));
}
inline uint32_t rotr(uint32_t v, int n) {
    return (v >> n) | (v << (32 - n));
}

inline uint64_t permute(const uint64_t (&table)[8][256], uint64_t block) {
    uint64_t out = 0;
    for (int j = 0; j < 8; ++j)
        out |= table[j][(block >> (56 - 8 * j)) & 0xFF];
    return out;
}

inline uint64_t load(std::span<const uint8_t, 8> in) {
    uint64_t v = 0;
    for (uint8_t b : in)
        v = (v << 8) | b;
    return v;
}

inline void store(uint64_t v, std::span<uint8_t, 8> out) {
    for (int i = 7; i >= 0; --i) {
        out[i] = uint8_t(v);
        v >>= 8;
    }
}

// The round function f(R, K). The expansion E takes, for group i, the six bits 4i..4i+5 of R
// (bit 0 being bit 32); rotating R right by 3 puts the groups 0, 2, 4, 6 and rotating it left
// by 1 the groups 1, 3, 5, 7 at bits 24, 16, 8 and 0.
inline uint32_t feistel(uint32_t r, const Des::RoundKey& k, const SpTables& sp) {
    const uint32_t e = rotr(r, 3) ^ k.even;
    const uint32_t o = rotl(r, 1) ^ k.odd;
    return sp[0][(e >> 24) & 63] ^ sp[2][(e >> 16) & 63] ^ sp[4][(e >> 8) & 63] ^ sp[6][e & 63] ^
           sp[1][(o >> 24) & 63] ^ sp[3][(o >> 16) & 63] ^ sp[5][(o >> 8) & 63] ^ sp[7][o & 63];
}

// Sixteen rounds on the halves of a block after the initial permutation; the halves come back
// swapped as the final permutation expects them.
template <bool Decrypt>
inline void rounds(uint32_t& left, uint32_t& right, const Des::Schedule& ks, const SpTables& sp) {
    uint32_t l = left, r = right;
    for (int i = 0; i < 16; ++i) {
        const uint32_t next = l ^ feistel(r, ks[Decrypt ? 15 - i : i], sp);
        l = r;
        r = next;
    }
    left = r;
    right = l;
}

} // namespace

Des::Des(std::span<const uint8_t, 8> key) {
    const uint64_t k = load(key);
    uint64_t cd = 0; // 56 bits, C in the upper 28
    for (int i = 0; i < 56; ++i) {
        if (k & bit64(kPC1[i]))
            cd |= uint64_t(1) << (55 - i);
    }
    uint32_t c = uint32_t(cd >> 28) & 0x0FFFFFFF, d = uint32_t(cd) & 0x0FFFFFFF;
    for (int round = 0; round < 16; ++round) {
        for (int s = 0; s < kShifts[round]; ++s) {
            c = ((c << 1) | (c >> 27)) & 0x0FFFFFFF;
            d = ((d << 1) | (d >> 27)) & 0x0FFFFFFF;
        }
        const uint64_t joined = (uint64_t(c) << 28) | d;
        uint64_t subkey = 0; // 48 bits
        for (int i = 0; i < 48; ++i) {
            if (joined & (uint64_t(1) << (56 - kPC2[i])))
                subkey |= uint64_t(1) << (47 - i);
        }
        RoundKey rk;
        for (int g = 0; g < 8; ++g) {
            const uint32_t group = uint32_t(subkey >> (42 - 6 * g)) & 63;
            uint32_t& word = (g % 2 == 0) ? rk.even : rk.odd;
            word |= group << (24 - 8 * (g / 2));
        }
        schedule_[round] = rk;
    }
}

namespace {

template <bool Decrypt>
void desBlock(const Des::Schedule& ks, std::span<const uint8_t, 8> in, std::span<uint8_t, 8> out) {
    const auto& perm = permutations();
    const uint64_t b = permute(perm.initial, load(in));
    uint32_t l = uint32_t(b >> 32), r = uint32_t(b);
    rounds<Decrypt>(l, r, ks, spTables());
    store(permute(perm.final, (uint64_t(l) << 32) | r), out);
}

// E(K1) D(K2) E(K1) or its inverse; the final and initial permutations between the three
// passes cancel, so they are applied once.
template <bool Decrypt>
uint64_t tripleBlock(const Des::Schedule& k1, const Des::Schedule& k2, uint64_t block) {
    const auto& perm = permutations();
    const auto& sp = spTables();
    const uint64_t b = permute(perm.initial, block);
    uint32_t l = uint32_t(b >> 32), r = uint32_t(b);
    rounds<Decrypt>(l, r, k1, sp);
    rounds<!Decrypt>(l, r, k2, sp);
    rounds<Decrypt>(l, r, k1, sp);
    return permute(perm.final, (uint64_t(l) << 32) | r);
}

template <bool Decrypt>
void tripleEcb(const Des::Schedule& k1, const Des::Schedule& k2, std::span<uint8_t> data) {
    assert(data.size() % 8 == 0);
    for (std::size_t off = 0; off + 8 <= data.size(); off += 8) {
        auto block = data.subspan(off).first<8>();
        store(tripleBlock<Decrypt>(k1, k2, load(block)), block);
    }
}

} // namespace

void Des::encryptBlock(std::span<const uint8_t, 8> in, std::span<uint8_t, 8> out) const {
    desBlock<false>(schedule_, in, out);
}

void Des::decryptBlock(std::span<const uint8_t, 8> in, std::span<uint8_t, 8> out) const {
    desBlock<true>(schedule_, in, out);
}

TripleDes2::TripleDes2(std::span<const uint8_t, 16> key)
    : k1_(key.first<8>()), k2_(key.last<8>()) {}

void TripleDes2::encryptBlock(std::span<const uint8_t, 8> in, std::span<uint8_t, 8> out) const {
    store(tripleBlock<false>(k1_.schedule(), k2_.schedule(), load(in)), out);
}

void TripleDes2::decryptBlock(std::span<const uint8_t, 8> in, std::span<uint8_t, 8> out) const {
    store(tripleBlock<true>(k1_.schedule(), k2_.schedule(), load(in)), out);
}

void TripleDes2::encryptEcb(std::span<uint8_t> data) const {
    tripleEcb<false>(k1_.schedule(), k2_.schedule(), data);
}

void TripleDes2::decryptEcb(std::span<uint8_t> data) const {
    tripleEcb<true>(k1_.schedule(), k2_.schedule(), data);
}

} // namespace zorv
