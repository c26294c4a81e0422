// Guards against: a transfer reported complete while the panel, which stood still for a moment,
// is still working through the retries queued in the line meanwhile; a late answer to an earlier
// frame taken for a later one, so that blocks are counted as sent before the panel has them, or
// a verification compares a block with another block's reply.

#include <gtest/gtest.h>

#include "SimHarness.h"
#include "comm/CUsbComm.h"
#include "comm/DownloadEngine.h"
#include "comm/ModbusTransfer.h"
#include "sim/PanelUsbDevice.h"

using namespace zorv;
using namespace zorv::test;

namespace {

// A block frame takes 12 ms at this speed, well inside the tests' reply time-out of 41 ms, and
// the stall leaves about seven copies of one frame waiting in the line.
constexpr int kBaud = 115200;
constexpr std::chrono::milliseconds kStallLength(300);

struct StallCase {
    const char* name;
    int afterBlocks;
};

class StalledPanel : public testing::TestWithParam<StallCase> {};

TEST_P(StalledPanel, CompleteMeansThePanelHoldsTheWholeImage) {
    ServedPanel panel({}, false, kBaud, {GetParam().afterBlocks, kStallLength});
    RecordingObserver observer;
    sim::PanelDevice usbDevice;
    sim::PanelUsbBus bus{usbDevice};
    CUsbComm usb(bus, observer);
    DownloadEngine engine(panel.comm, usb, observer);
    const auto image = patternBytes(700, 7);
    const auto started = std::chrono::steady_clock::now();
    const bool ok = engine.runSerial({writeTemp("zorv-stall.hc", image), {}, true, false, {}});
    const auto took = std::chrono::steady_clock::now() - started;
    // Looked at the moment the link is done: the panel must have nothing left to work through.
    panel.halt();
    EXPECT_TRUE(ok);
    EXPECT_EQ(std::count(observer.texts.begin(), observer.texts.end(),
                         "Interface data download: File download complete"),
              1);
    EXPECT_EQ(observer.texts.back(), "Interface data download: File download complete");
    EXPECT_TRUE(panel.device.imageComplete());
    EXPECT_EQ(panel.device.interfaceImage(), image);
    EXPECT_TRUE(panel.device.problems().empty());
    EXPECT_GE(took, kStallLength); // the transfer did wait out the stall
}

// After the probe (the type query's data replies queue), in the middle of the image, and after
// the last block (the end command's copies queue).
INSTANTIATE_TEST_SUITE_P(Where, StalledPanel,
                         testing::Values(StallCase{"AfterTheProbe", 0}, StallCase{"MidImage", 4},
                                         StallCase{"BeforeTheEnd", 11}),
                         [](const auto& info) { return std::string(info.param.name); });

bool verifyOnStalledPanel(const std::vector<uint8_t>& held, const std::vector<uint8_t>& file,
                          std::string& lastText) {
    ServedPanel panel({}, false, kBaud, {2, kStallLength});
    panel.device.setConfig(held);
    RecordingObserver observer;
    ModbusTransfer transfer(panel.comm, observer);
    const bool ok = transfer.runVerify(writeTemp("zorv-stall.mdt", file));
    lastText = observer.texts.back();
    return ok;
}

TEST(StalledPanel, VerificationComparesEachBlockWithItsOwnReply) {
    const auto table = patternBytes(300, 4);
    std::string last;
    EXPECT_TRUE(verifyOnStalledPanel(table, table, last));
    EXPECT_EQ(last, "Program verification: Data verification Complete");
    // A changed byte in the block after the stall is still found there.
    auto changed = table;
    changed[200] ^= 0x20;
    EXPECT_FALSE(verifyOnStalledPanel(table, changed, last));
    EXPECT_EQ(last, "Program verification: Data verification failed, 192/300");
}

} // namespace
