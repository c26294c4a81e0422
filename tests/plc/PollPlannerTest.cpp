// Guards the merging of reads: the fewest requests for a page of contiguous and scattered
// registers, no merge across a wide gap, another unit or object, or past the protocol's limits,
// and a refused read split at its gaps first and into its cells after.

#include <gtest/gtest.h>

#include "plc/PollPlanner.h"

namespace zorv::plc {

namespace {

constexpr auto kHr = ModbusObject::HoldingRegister;
constexpr auto kCoil = ModbusObject::Coil;

std::vector<ModbusAddress> cells(uint8_t unit, ModbusObject object,
                                 std::initializer_list<uint16_t> addresses) {
    std::vector<ModbusAddress> out;
    for (uint16_t a : addresses)
        out.push_back({unit, object, a});
    return out;
}

std::vector<ModbusAddress> operator+(std::vector<ModbusAddress> a,
                                     const std::vector<ModbusAddress>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

} // namespace

TEST(PollPlanner, MergesUpToTheGapAndKeepsUnitsAndObjectsApart) {
    const PollPlanner planner;
    // 6 unused between 103 and 110 (merged), 8 before 119 (merged), 9 before 129 (not).
    const auto page = cells(1, kHr, {103, 100, 101, 102, 110, 119, 129, 101}) +
                      cells(2, kHr, {100}) + cells(1, kCoil, {5, 6, 500});
    EXPECT_EQ(planner.plan(page), (std::vector<ReadRequest>{{1, kCoil, 5, 2},
                                                            {1, kCoil, 500, 1},
                                                            {1, kHr, 100, 20},
                                                            {1, kHr, 129, 1},
                                                            {2, kHr, 100, 1}}));
    EXPECT_EQ(PollPlanner(0).plan(cells(1, kHr, {1, 2, 4})),
              (std::vector<ReadRequest>{{1, kHr, 1, 2}, {1, kHr, 4, 1}}));
    EXPECT_TRUE(planner.plan({}).empty());
}

TEST(PollPlanner, KeepsToTheProtocolLimits) {
    std::vector<ModbusAddress> words, bits;
    for (uint16_t a = 0; a < 300; ++a)
        words.push_back({1, kHr, a});
    for (uint32_t a = 63000; a <= 65535; ++a)
        bits.push_back({1, kCoil, uint16_t(a)});
    const PollPlanner planner;
    EXPECT_EQ(planner.plan(words),
              (std::vector<ReadRequest>{{1, kHr, 0, 125}, {1, kHr, 125, 125}, {1, kHr, 250, 50}}));
    EXPECT_EQ(planner.plan(bits),
              (std::vector<ReadRequest>{{1, kCoil, 63000, 2000}, {1, kCoil, 65000, 536}}));
}

TEST(PollPlanner, ARefusedReadIsSplitAtItsGapsThenIntoItsCells) {
    PollPlanner planner;
    const auto page = cells(1, kHr, {100, 101, 104, 105}) + cells(2, kHr, {100, 104});
    const auto merged = planner.plan(page);
    ASSERT_EQ(merged.front(), (ReadRequest{1, kHr, 100, 6}));
    ASSERT_TRUE(planner.refused(merged.front(), page));
    // Station 2 keeps its merged read.
    EXPECT_EQ(planner.plan(page),
              (std::vector<ReadRequest>{{1, kHr, 100, 2}, {1, kHr, 104, 2}, {2, kHr, 100, 5}}));
    ASSERT_TRUE(planner.refused({1, kHr, 104, 2}, page));
    EXPECT_EQ(planner.plan(page),
              (std::vector<ReadRequest>{
                  {1, kHr, 100, 2}, {1, kHr, 104, 1}, {1, kHr, 105, 1}, {2, kHr, 100, 5}}));
    EXPECT_FALSE(planner.refused({1, kHr, 105, 1}, page)) << "one cell has nothing to split";
}

} // namespace zorv::plc
