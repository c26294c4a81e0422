#include "comm/TransferRate.h"

#include <cstdio>

namespace zorv {

namespace {

// The digits ending at `end` (exclusive); nothing when there are none or too many for a long.
std::optional<long> digitsBefore(std::string_view text, std::size_t& end) {
    std::size_t begin = end;
    while (begin > 0 && text[begin - 1] >= '0' && text[begin - 1] <= '9')
        --begin;
    if (begin == end || end - begin > 9)
        return std::nullopt;
    long value = 0;
    for (std::size_t i = begin; i < end; ++i)
        value = value * 10 + (text[i] - '0');
    end = begin;
    return value;
}

} // namespace

std::optional<TransferCount> transferCountOf(std::string_view text) {
    std::size_t end = text.size();
    const auto size = digitsBefore(text, end);
    if (!size || end == 0 || text[end - 1] != '/')
        return std::nullopt;
    --end;
    const auto done = digitsBefore(text, end);
    if (!done || *size == 0 || *done > *size)
        return std::nullopt;
    return TransferCount{*done, *size};
}

std::string transferEstimateText(const TransferEstimate& estimate) {
    char text[64];
    const long seconds = long(estimate.secondsLeft + 0.5);
    if (estimate.bytesPerSecond < 1024)
        std::snprintf(text, sizeof text, "%.0f B/s, %ld:%02ld left", estimate.bytesPerSecond,
                      seconds / 60, seconds % 60);
    else
        std::snprintf(text, sizeof text, "%.1f KB/s, %ld:%02ld left",
                      estimate.bytesPerSecond / 1024, seconds / 60, seconds % 60);
    return text;
}

void TransferRateEstimator::sample(TransferCount count, Clock::time_point when) {
    if (!started_ || count.size != last_.size || count.done < last_.done) {
        started_ = true;
        first_ = last_ = count;
        firstTime_ = lastTime_ = when;
        advances_ = 0;
        return;
    }
    if (count.done == last_.done)
        return; // a step text that repeats the count, e.g. a failure
    last_ = count;
    lastTime_ = when;
    ++advances_;
}

std::optional<TransferEstimate> TransferRateEstimator::estimate() const {
    if (!started_ || advances_ < kSettleBlocks)
        return std::nullopt;
    const double seconds = std::chrono::duration<double>(lastTime_ - firstTime_).count();
    if (seconds <= 0)
        return std::nullopt;
    const double rate = double(last_.done - first_.done) / seconds;
    return TransferEstimate{rate, double(last_.size - last_.done) / rate};
}

} // namespace zorv
