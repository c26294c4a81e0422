#pragma once
// Bytes in memory as a byte source: the bytes of a project kept elsewhere, and in tests and fuzz
// runs a disk that fails part way, every read past `failAt` bytes failing with `reason`.

#include <algorithm>
#include <cerrno>
#include <span>

#include "platform/FileRead.h"

namespace zorv {

class MemorySource final : public ByteSource {
public:
    static constexpr std::size_t kNeverFails = std::size_t(-1);

    explicit MemorySource(std::span<const uint8_t> bytes, std::size_t failAt = kNeverFails,
                          std::string reason = systemReason(EIO))
        : bytes_(bytes), failAt_(failAt), reason_(std::move(reason)) {}

    bool read(std::size_t count, std::vector<uint8_t>& out) override {
        const std::size_t left = bytes_.size() - next_;
        const std::size_t wanted = std::min(count, left);
        // The disk hands out what lies before the bad place, then fails.
        const bool fails = failAt_ != kNeverFails && next_ + wanted > failAt_ && wanted > 0;
        const std::size_t taken = fails ? failAt_ - std::min(failAt_, next_) : wanted;
        out.insert(out.end(), bytes_.begin() + std::ptrdiff_t(next_),
                   bytes_.begin() + std::ptrdiff_t(next_ + taken));
        next_ += taken;
        if (fails)
            failure_ = reason_;
        return !fails;
    }
    const std::string& failure() const override { return failure_; }
    std::uintmax_t announcedSize() const override { return bytes_.size(); }

private:
    std::span<const uint8_t> bytes_;
    std::size_t next_ = 0;
    std::size_t failAt_;
    std::string reason_, failure_;
};

} // namespace zorv
