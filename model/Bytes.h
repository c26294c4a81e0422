#pragma once
// Little-endian access to fixed-size byte records. Every record of the project is a plain byte
// array; the typed accessors of each record call these at the record's named offsets.

#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

namespace zorv::le {

inline uint16_t u16(const uint8_t* p) {
    return uint16_t(p[0] | (p[1] << 8));
}
inline uint32_t u32(const uint8_t* p) {
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}
inline void putU16(uint8_t* p, uint16_t v) {
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
}
inline void putU32(uint8_t* p, uint32_t v) {
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
    p[2] = uint8_t(v >> 16);
    p[3] = uint8_t(v >> 24);
}

} // namespace zorv::le

namespace zorv {

// A record of N bytes with typed little-endian accessors. Offsets outside the record are a
// programming error and are caught by the assertions in debug builds.
template <std::size_t N> struct FixedRecord {
    static constexpr std::size_t kSize = N;
    std::array<uint8_t, N> bytes{};

    uint8_t u8(std::size_t off) const { return at(off, 1)[0]; }
    void setU8(std::size_t off, uint8_t v) { at(off, 1)[0] = v; }
    uint16_t u16(std::size_t off) const { return le::u16(at(off, 2)); }
    void setU16(std::size_t off, uint16_t v) { le::putU16(at(off, 2), v); }
    uint16_t u16be(std::size_t off) const {
        const uint8_t* p = at(off, 2);
        return uint16_t((p[0] << 8) | p[1]);
    }
    void setU16be(std::size_t off, uint16_t v) {
        uint8_t* p = at(off, 2);
        p[0] = uint8_t(v >> 8);
        p[1] = uint8_t(v);
    }
    uint32_t u32(std::size_t off) const { return le::u32(at(off, 4)); }
    void setU32(std::size_t off, uint32_t v) { le::putU32(at(off, 4), v); }
    int32_t i32(std::size_t off) const { return int32_t(u32(off)); }
    void setI32(std::size_t off, int32_t v) { setU32(off, uint32_t(v)); }

    std::span<const uint8_t> span(std::size_t off, std::size_t len) const {
        return {at(off, len), len};
    }
    std::span<uint8_t> span(std::size_t off, std::size_t len) { return {at(off, len), len}; }

    bool operator==(const FixedRecord&) const = default;

private:
    const uint8_t* at(std::size_t off, std::size_t len) const {
        assert(off + len <= N);
        return bytes.data() + off;
    }
    uint8_t* at(std::size_t off, std::size_t len) {
        assert(off + len <= N);
        return bytes.data() + off;
    }
};

} // namespace zorv
