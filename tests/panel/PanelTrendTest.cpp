// Guards the trend chart's history: samples taken at the chart's interval, a full chart that
// drops its oldest sample, a page shown anew starting afresh, and the drawn curve of a known
// history against the present-value line of a still preview.

#include <gtest/gtest.h>

#include "PanelTestImage.h"
#include "panel/PanelMachine.h"

namespace zorv::panel {

namespace {

constexpr uint8_t kD = uint8_t(RegisterType::D);

// A 16 x 16 chart of D1 against 0..14 sampled every 500 ms: the axis at x 2, six dot positions
// at x 4, 6, ..., 14; value v is drawn at y 14 - v.
const char* kTrendProject = R"({"header": {"startPage": 1}, "pages": [
  {"number": 1, "widgets": [
    {"kind": "Trend", "x": 0, "y": 0, "width": 16, "height": 16, "register": "D1",
     "interval": 5, "dotPitch": 2, "fullScale": 14, "zeroScale": 0}]},
  {"number": 2, "widgets": []}]})";

class TrendChart : public testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(image.load(test::compiledJson(kTrendProject), error)) << error;
        machine = std::make_unique<PanelMachine>(image);
    }
    std::deque<int64_t> samples() const {
        const TrendSamples* s = machine->screen().trends.of(0);
        return s ? s->values : std::deque<int64_t>{};
    }
    // Sets D1 and lets one interval pass.
    void sampleValue(uint16_t value) {
        machine->registers().setWord(kD, 1, value);
        machine->tick(500);
    }
    PanelImage image;
    std::unique_ptr<PanelMachine> machine;
};

} // namespace

TEST_F(TrendChart, SamplesAtOnceThenEveryInterval) {
    EXPECT_TRUE(samples().empty()); // no time has passed on the page yet
    machine->registers().setWord(kD, 1, 3);
    machine->tick(200);
    EXPECT_EQ(samples(), (std::deque<int64_t>{3}));
    machine->registers().setWord(kD, 1, 4);
    machine->tick(299); // 499 ms since the first sample
    EXPECT_EQ(samples().size(), 1u);
    machine->tick(1);
    EXPECT_EQ(samples(), (std::deque<int64_t>{3, 4}));
    machine->tick(1000); // two intervals in one step hold the value over both
    EXPECT_EQ(samples(), (std::deque<int64_t>{3, 4, 4, 4}));
}

TEST_F(TrendChart, AFullChartDropsItsOldestAndAPageShownAgainStartsAfresh) {
    for (uint16_t v = 1; v <= 8; ++v)
        sampleValue(v);
    EXPECT_EQ(samples(), (std::deque<int64_t>{3, 4, 5, 6, 7, 8}));
    machine->tick(UINT32_MAX); // a long pause fills the chart without counting every interval
    EXPECT_EQ(samples(), (std::deque<int64_t>(6, 8)));

    ASSERT_TRUE(machine->showPageIndex(1));
    machine->tick(500);
    ASSERT_TRUE(machine->showPageIndex(0));
    EXPECT_TRUE(samples().empty());
}

TEST_F(TrendChart, DrawsItsHistoryJoinedFromTheAxisAndThePresentValueWithout) {
    machine->registers().setWord(kD, 1, 7);
    PanelPicture still;
    machine->render(still);
    for (int x = 4; x <= 14; x += 2)
        EXPECT_TRUE(still.pixel(x, 7)) << x; // the present value dotted across
    EXPECT_FALSE(still.pixel(5, 7));

    machine->registers().setWord(kD, 1, 0);
    machine->tick(0); // the first sample, at the page's start
    for (const uint16_t v : {14, 14, 99}) // 99 lies above full scale: drawn at the top
        sampleValue(v);
    PanelPicture drawn;
    machine->render(drawn);
    EXPECT_TRUE(drawn.pixel(2, 0) && drawn.pixel(2, 15) && drawn.pixel(15, 15)); // the axes
    EXPECT_TRUE(drawn.pixel(4, 14)); // the oldest sample, 0
    EXPECT_TRUE(drawn.pixel(5, 7));  // the climb from 0 to 14 is joined
    EXPECT_TRUE(drawn.pixel(6, 0) && drawn.pixel(7, 0) && drawn.pixel(8, 0) && drawn.pixel(10, 0));
    EXPECT_FALSE(drawn.pixel(11, 0)); // nothing right of the newest sample
    EXPECT_FALSE(drawn.pixel(6, 7));  // no present-value line with a history
}

} // namespace zorv::panel
