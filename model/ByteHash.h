#pragma once
// FNV-1a over bytes: a cheap hash that tells files and names apart, not one that resists an
// adversary.

#include <cstdint>
#include <span>
#include <string_view>

namespace zorv {

inline uint64_t fnv1a(std::span<const uint8_t> bytes) {
    uint64_t h = 14695981039346656037ull;
    for (uint8_t c : bytes) {
        h ^= c;
        h *= 1099511628211ull;
    }
    return h;
}

inline uint64_t fnv1a(std::string_view text) {
    return fnv1a(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

} // namespace zorv
