#pragma once
// The older project file behind a bounds-checked cursor, with the string form of the older
// files (a length byte and that many bytes), a look ahead, and the fields several objects share.

#include <optional>
#include <span>
#include <string>

#include "model/ByteReader.h"
#include "model/RegisterRef.h"

namespace zorv::older {

class OlderStream {
public:
    explicit OlderStream(std::span<const uint8_t> data) : data_(data), in_(data) {}
    ByteReader& in() { return in_; }
    bool ok() const { return in_.ok(); }
    std::optional<uint8_t> peek() const {
        if (!in_.ok() || in_.atEnd())
            return std::nullopt;
        return data_[in_.position()];
    }
    std::optional<uint16_t> peekU16(std::size_t ahead) const {
        if (!in_.ok() || in_.remaining() < ahead + 2)
            return std::nullopt;
        return le::u16(data_.data() + in_.position() + ahead);
    }
    std::string text() {
        const uint8_t n = in_.u8();
        auto s = in_.take(n);
        return std::string(s.begin(), s.end());
    }
    // A register as station, type and address.
    RegisterRef registerField() {
        RegisterRef r;
        r.station = in_.u8();
        r.type = in_.u8();
        r.address = in_.u16();
        return r;
    }

private:
    std::span<const uint8_t> data_;
    ByteReader in_;
};

} // namespace zorv::older
