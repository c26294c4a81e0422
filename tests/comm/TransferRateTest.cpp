// Guards against: a rate shown before the first blocks settled, counts read from texts that carry
// none (file sizes, step texts) or from unsound ones, a second transfer of the same run measured
// from the first one's start, and a time left that is not what remains at the measured rate.

#include <gtest/gtest.h>

#include "comm/TransferRate.h"

using namespace zorv;
using namespace std::chrono_literals;

namespace {

struct CountCase {
    const char* text;
    std::optional<std::pair<long, long>> count;
};

class TransferCountTexts : public testing::TestWithParam<CountCase> {};

TEST_P(TransferCountTexts, ReadsTheTrailingCount) {
    const auto& c = GetParam();
    const auto got = transferCountOf(c.text);
    ASSERT_EQ(got.has_value(), c.count.has_value());
    if (got) {
        EXPECT_EQ(got->done, c.count->first);
        EXPECT_EQ(got->size, c.count->second);
    }
}

INSTANTIATE_TEST_SUITE_P(
    StatusLines, TransferCountTexts,
    testing::Values(CountCase{"Interface data download: 640/1000", std::pair(640L, 1000L)},
                    CountCase{"Interface data download:  Write data failed, 960/1000",
                              std::pair(960L, 1000L)},
                    CountCase{"Program download: 0/80", std::pair(0L, 80L)},
                    CountCase{"Output file size: 1000", std::nullopt},
                    CountCase{"Interface data download: File download complete", std::nullopt},
                    CountCase{"1000/640", std::nullopt}, CountCase{"x: 0/0", std::nullopt},
                    CountCase{"x: /100", std::nullopt}, CountCase{"x: 5/", std::nullopt},
                    CountCase{"x: 1/99999999999", std::nullopt}, CountCase{"", std::nullopt}));

TransferRateEstimator::Clock::time_point at(std::chrono::milliseconds ms) {
    return TransferRateEstimator::Clock::time_point(ms);
}

TEST(TransferRate, NoEstimateUntilBlocksSettled) {
    TransferRateEstimator e;
    e.sample({0, 6400}, at(0ms));
    for (int i = 1; i < TransferRateEstimator::kSettleBlocks; ++i) {
        e.sample({64L * i, 6400}, at(100ms * i));
        EXPECT_FALSE(e.estimate()) << i;
    }
    // A repeated count (a failure text) is no block.
    e.sample({64L * (TransferRateEstimator::kSettleBlocks - 1), 6400}, at(900ms));
    EXPECT_FALSE(e.estimate());
    e.sample({64L * TransferRateEstimator::kSettleBlocks, 6400}, at(300ms));
    ASSERT_TRUE(e.estimate());
    EXPECT_DOUBLE_EQ(e.estimate()->bytesPerSecond, 640.0);
    EXPECT_DOUBLE_EQ(e.estimate()->secondsLeft, (6400.0 - 192.0) / 640.0);
}

TEST(TransferRate, NextTransferStartsAnew) {
    TransferRateEstimator e;
    for (int i = 0; i <= 4; ++i)
        e.sample({64L * i, 1000}, at(1000ms * i));
    ASSERT_TRUE(e.estimate());
    // The configuration transfer of the same run: a count that goes back starts over.
    e.sample({0, 80}, at(10s));
    EXPECT_FALSE(e.estimate());
    e.sample({64, 80}, at(11s));
    e.sample({80, 80}, at(12s));
    EXPECT_FALSE(e.estimate());
    e.reset();
    e.sample({70, 80}, at(13s));
    EXPECT_FALSE(e.estimate());
}

TEST(TransferRate, Texts) {
    EXPECT_EQ(transferEstimateText({640, 9.7}), "640 B/s, 0:10 left");
    EXPECT_EQ(transferEstimateText({2048 + 102, 95}), "2.1 KB/s, 1:35 left");
    EXPECT_EQ(transferEstimateText({1024, 0}), "1.0 KB/s, 0:00 left");
}

} // namespace
