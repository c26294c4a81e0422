#pragma once
// The serial link's total time-outs: a fixed part plus a part per byte of the transfer.

#include <chrono>
#include <cstddef>

namespace zorv {

struct SerialTimeouts {
    std::chrono::milliseconds perByte{10};
    std::chrono::milliseconds constant{400};

    std::chrono::milliseconds total(std::size_t bytes) const {
        return perByte * static_cast<long long>(bytes) + constant;
    }
};

} // namespace zorv
