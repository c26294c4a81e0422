#pragma once
// The transfer rate and the time left, estimated from the "done/size" counts that the block loops
// write into the status line.

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace zorv {

struct TransferCount {
    long done = 0;
    long size = 0;
};

// The trailing "%d/%d" of a status text ("Interface data download: 640/1000"); nothing when the
// text ends otherwise or the numbers are unsound (done above size, size 0).
std::optional<TransferCount> transferCountOf(std::string_view text);

struct TransferEstimate {
    double bytesPerSecond = 0;
    double secondsLeft = 0;
};

// "1.2 KB/s, 0:34 left" (bytes a second below 1 KB/s).
std::string transferEstimateText(const TransferEstimate& estimate);

class TransferRateEstimator {
public:
    using Clock = std::chrono::steady_clock;
    // Blocks that must have gone before an estimate is given; the first ones include the
    // device's start-up and would mislead.
    static constexpr int kSettleBlocks = 3;

    // A count seen at `when`. A count below the last one or of another size starts anew (the
    // next transfer of the same run).
    void sample(TransferCount count, Clock::time_point when);
    void reset() { started_ = false; }
    std::optional<TransferEstimate> estimate() const;

private:
    bool started_ = false;
    TransferCount first_, last_;
    Clock::time_point firstTime_, lastTime_;
    int advances_ = 0;
};

} // namespace zorv
