// Guards against: a USB image that arrives changed or at wrong addresses, running/stopped
// questions not asked or their answers ignored, an error reply without its message box, and
// unplug errors that are not retried with a new Open or retried without end.

#include <gtest/gtest.h>

#include "SimHarness.h"
#include "comm/CUsbComm.h"
#include "comm/DownloadEngine.h"
#include "sim/PanelUsbDevice.h"

using namespace zorv;
using namespace zorv::test;

namespace {

struct UsbRun {
    explicit UsbRun(bool running = false) : device({}, running), usb(bus, observer) {
        usb.setUnplugWaits(
            {std::chrono::milliseconds(1), std::chrono::milliseconds(2),
             std::chrono::milliseconds(3)},
            [this](std::chrono::milliseconds d) { waits.push_back(int(d.count())); });
    }
    sim::PanelDevice device;
    sim::PanelUsbBus bus{device};
    RecordingObserver observer;
    CUsbComm usb;
    std::vector<int> waits;
};

} // namespace

TEST(UsbDownload, StoppedControllerImageArrivesAndRunsOnYes) {
    UsbRun run;
    ServedPanel unused;
    DownloadEngine engine(unused.comm, run.usb, run.observer);
    const auto image = patternBytes(128);
    EXPECT_TRUE(engine.runUsb({writeTemp("zorv-h-usb.hc", image), {}, true, false, {}}));
    EXPECT_EQ(run.device.interfaceImage(), image);
    EXPECT_TRUE(run.device.imageComplete());
    EXPECT_TRUE(run.device.running());
    const std::vector<std::string> questions{"Controller stop state,Whether to run?"};
    EXPECT_EQ(run.observer.questions, questions);
    const auto& t = run.observer.texts;
    EXPECT_NE(std::find(t.begin(), t.end(), "Interface data download: 104/128"), t.end());
    EXPECT_EQ(t.back(), "Interface data download: Download complete, controller status: run");
    EXPECT_TRUE(run.usb.isOpen());
}

TEST(UsbDownload, RunningControllerStoppedOnYesRefusedOnNo) {
    {
        UsbRun run(true);
        ServedPanel unused;
        DownloadEngine engine(unused.comm, run.usb, run.observer);
        EXPECT_TRUE(
            engine.runUsb({writeTemp("zorv-h-usb2.hc", patternBytes(60)), {}, true, false, {}}));
        EXPECT_EQ(run.observer.questions.front(), "Controller running status, whether to stop?");
        EXPECT_EQ(run.observer.texts.back(),
                  "Interface data download: Download complete, controller status: run");
    }
    UsbRun run(true);
    run.observer.answerYes = false;
    ServedPanel unused;
    DownloadEngine engine(unused.comm, run.usb, run.observer);
    EXPECT_FALSE(
        engine.runUsb({writeTemp("zorv-h-usb3.hc", patternBytes(60)), {}, true, false, {}}));
    EXPECT_EQ(run.observer.texts.back(),
              "Interface data download:Controller running state, can not download");
    EXPECT_TRUE(run.device.interfaceImage().empty());
    EXPECT_FALSE(run.usb.isOpen());
}

TEST(UsbDownload, AbsentDeviceFailsInitialisationAfterTwentyOpens) {
    UsbRun run;
    run.bus.present = false;
    ServedPanel unused;
    DownloadEngine engine(unused.comm, run.usb, run.observer);
    EXPECT_FALSE(
        engine.runUsb({writeTemp("zorv-h-usb4.hc", patternBytes(10)), {}, true, false, {}}));
    EXPECT_EQ(run.bus.opens, 20);
    EXPECT_EQ(run.observer.texts.back(), "Interface data download: Initialization device...Failed");
}

TEST(CUsbComm, UnplugRetriesOpenAgainThenGiveUp) {
    UsbRun run;
    ASSERT_TRUE(run.usb.Open());
    run.bus.staged = {UsbStatus::BadCommand};
    EXPECT_TRUE(run.usb.Connect());
    EXPECT_EQ(run.waits, std::vector<int>{1});
    EXPECT_EQ(run.bus.opens, 2);

    run.waits.clear();
    run.bus.staged = {UsbStatus::BadHandle, UsbStatus::BadCommand, UsbStatus::BadCommand,
                      UsbStatus::BadCommand};
    EXPECT_FALSE(run.usb.Connect());
    EXPECT_EQ(run.waits, (std::vector<int>{1, 2, 3}));

    run.waits.clear();
    run.bus.staged = {UsbStatus::Failed};
    EXPECT_FALSE(run.usb.Connect()); // a time-out is not an unplug
    EXPECT_TRUE(run.waits.empty());
}

TEST(CUsbComm, ErrorReplyShowsItsMessage) {
    UsbRun run;
    ASSERT_TRUE(run.usb.Open());
    const uint8_t data[4] = {1, 2, 3, 4};
    // a write before Connect is refused by the panel with the error packet
    EXPECT_FALSE(run.usb.WriteData(data, 4, 0));
    EXPECT_EQ(run.observer.messages, std::vector<std::string>{"Download failed!"});
    EXPECT_FALSE(run.usb.WriteData(data, 53, 0));
    EXPECT_FALSE(run.usb.QueryRunning());
}
