#pragma once
// A bounds-checked cursor over outside bytes (files, device replies). Every read checks that
// the bytes are there; a failed read leaves the cursor failed, and all later reads fail too, so a
// reader can read a whole structure and test ok() once at the end.

#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

#include "model/Bytes.h"

namespace zorv {

class ByteReader {
public:
    explicit ByteReader(std::span<const uint8_t> data) : data_(data) {}

    bool ok() const { return ok_; }
    // The input ended before a read: it is cut short rather than holding a value out of range.
    bool ranOut() const { return ranOut_; }
    std::size_t position() const { return pos_; }
    std::size_t remaining() const { return ok_ ? data_.size() - pos_ : 0; }
    bool atEnd() const { return remaining() == 0; }

    // The next n bytes, or an empty span (and the cursor failed) when fewer remain.
    std::span<const uint8_t> take(std::size_t n) {
        if (!ok_ || n > data_.size() - pos_) {
            ranOut_ = ok_ || ranOut_;
            ok_ = false;
            return {};
        }
        auto s = data_.subspan(pos_, n);
        pos_ += n;
        return s;
    }
    bool skip(std::size_t n) {
        take(n);
        return ok_;
    }
    bool read(std::span<uint8_t> out) {
        auto s = take(out.size());
        if (ok_)
            std::memcpy(out.data(), s.data(), s.size());
        return ok_;
    }
    uint8_t u8() {
        auto s = take(1);
        return ok_ ? s[0] : 0;
    }
    uint16_t u16() {
        auto s = take(2);
        return ok_ ? le::u16(s.data()) : 0;
    }
    uint32_t u32() {
        auto s = take(4);
        return ok_ ? le::u32(s.data()) : 0;
    }
    int32_t i32() { return int32_t(u32()); }
    // Marks the input as unsound (a count or length out of its range).
    void fail() { ok_ = false; }

private:
    std::span<const uint8_t> data_;
    std::size_t pos_ = 0;
    bool ok_ = true;
    bool ranOut_ = false;
};

// Appends little-endian values to a byte vector.
class ByteWriter {
public:
    explicit ByteWriter(std::vector<uint8_t>& out) : out_(out) {}
    void u8(uint8_t v) { out_.push_back(v); }
    void u16(uint16_t v) {
        uint8_t b[2];
        le::putU16(b, v);
        out_.insert(out_.end(), b, b + 2);
    }
    void u32(uint32_t v) {
        uint8_t b[4];
        le::putU32(b, v);
        out_.insert(out_.end(), b, b + 4);
    }
    void i32(int32_t v) { u32(uint32_t(v)); }
    void bytes(std::span<const uint8_t> s) { out_.insert(out_.end(), s.begin(), s.end()); }
    std::size_t size() const { return out_.size(); }

private:
    std::vector<uint8_t>& out_;
};

} // namespace zorv
