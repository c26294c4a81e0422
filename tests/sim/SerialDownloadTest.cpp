// Guards against: images or Modbus files that arrive changed or incomplete, blocks at the wrong
// addresses, retries that do not survive dropped, refused or corrupted frames, a dead device
// reported with the wrong text or left with the port open, verification that passes on a
// changed byte, and oversize images that are sent anyway.

#include <gtest/gtest.h>

#include "SimHarness.h"
#include "comm/CUsbComm.h"
#include "comm/DownloadEngine.h"
#include "comm/ModbusTransfer.h"
#include "sim/PanelUsbDevice.h"

using namespace zorv;
using namespace zorv::test;

namespace {

struct SerialRun {
    explicit SerialRun(sim::FaultPlan faults = {})
        : panel(faults), usb(bus, observer), engine(panel.comm, usb, observer) {}
    ServedPanel panel;
    sim::PanelDevice usbDevice;
    sim::PanelUsbBus bus{usbDevice};
    RecordingObserver observer;
    CUsbComm usb;
    DownloadEngine engine;
};

bool contains(const std::vector<std::string>& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

} // namespace

TEST(SerialDownload, ImageAndConfigurationArriveExact) {
    SerialRun run;
    const auto image = patternBytes(1000);
    const auto mdt = patternBytes(80, 3);
    DownloadChoice choice{
        writeTemp("zorv-h-img.hc", image), writeTemp("zorv-h-cfg.mdt", mdt), true, true, {}};
    EXPECT_TRUE(run.engine.runSerial(choice));
    EXPECT_EQ(run.panel.device.interfaceImage(), image);
    EXPECT_TRUE(run.panel.device.imageComplete());
    EXPECT_EQ(run.panel.device.config(), mdt);
    EXPECT_TRUE(run.panel.device.problems().empty());
    EXPECT_EQ(run.panel.comm.handle(), nullptr);
    const auto& t = run.observer.texts;
    EXPECT_EQ(t.front(), "Interface data download:Connecting device...");
    EXPECT_TRUE(contains(t, "Interface data download: 960/1000"));
    EXPECT_TRUE(contains(t, "Interface data download: 1000/1000"));
    EXPECT_TRUE(contains(t, "Modbus configuration Download:Connecting device...Success"));
    EXPECT_TRUE(contains(t, "ModbusConfiguration Download: 80/80"));
    EXPECT_EQ(t.back(), "Modbus Configuration Download:download complete");
    EXPECT_EQ(run.observer.percents.back(), 100);
    EXPECT_EQ(run.observer.result, true);
}

TEST(SerialDownload, WholeBlocksOnlyHaveNoRemainderStep) {
    SerialRun run;
    const auto image = patternBytes(128);
    EXPECT_TRUE(run.engine.runSerial({writeTemp("zorv-h-128.hc", image), {}, true, false, {}}));
    EXPECT_EQ(run.panel.device.interfaceImage(), image);
    const std::vector<std::string> counts = {"Interface data download: 0/128",
                                             "Interface data download: 64/128",
                                             "Interface data download: 128/128"};
    std::vector<std::string> seen;
    for (const auto& s : run.observer.texts)
        if (s.find("/128") != std::string::npos)
            seen.push_back(s);
    EXPECT_EQ(seen, counts);
}

struct FaultCase {
    const char* name;
    sim::FaultPlan faults;
};

class SerialFaults : public testing::TestWithParam<FaultCase> {};

TEST_P(SerialFaults, RetriesDeliverExactData) {
    SerialRun run(GetParam().faults);
    const auto image = patternBytes(700, 5);
    EXPECT_TRUE(run.engine.runSerial({writeTemp("zorv-h-fault.hc", image), {}, true, false, {}}));
    EXPECT_EQ(run.panel.device.interfaceImage(), image);
    EXPECT_TRUE(run.panel.device.imageComplete());
}

INSTANTIATE_TEST_SUITE_P(Injected, SerialFaults,
                         testing::Values(FaultCase{"drops", {3, 0, 0, {}}},
                                         FaultCase{"naks", {0, 2, 0, {}}},
                                         FaultCase{"corruption", {0, 0, 4, {}}}),
                         [](const auto& info) { return std::string(info.param.name); });

struct DeadCase {
    int silentAfter;
    const char* lastText;
};

class DeadDevice : public testing::TestWithParam<DeadCase> {};

TEST_P(DeadDevice, FailsStepAfterTwentyTriesAndClosesPort) {
    SerialRun run(sim::FaultPlan{0, 0, 0, GetParam().silentAfter});
    EXPECT_FALSE(run.engine.runSerial(
        {writeTemp("zorv-h-dead.hc", patternBytes(100)), {}, true, false, {}}));
    std::string last = GetParam().lastText;
    // A search that found no panel names the port it tried.
    if (GetParam().silentAfter == 0)
        last += "\nPorts tried: " + run.panel.link.devicePath() + " (no answer)";
    EXPECT_EQ(run.observer.texts.back(), last);
    EXPECT_EQ(run.panel.comm.handle(), nullptr);
    EXPECT_EQ(run.observer.result, false);
    // Every request up to the silence was answered; the failing step asked 20 times.
    EXPECT_EQ(run.panel.device.requests(), GetParam().silentAfter + 20);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, DeadDevice,
    testing::Values(DeadCase{0, "Interface data download: Connecting device...Failed"},
                    DeadCase{1, "Interface data download: Matching...Failed"},
                    DeadCase{2, "Interface data download: query device status... The device is "
                                "running, please stop"},
                    DeadCase{3, "Interface data download:download starting...Device is not "
                                "respond"},
                    DeadCase{4, "Interface data download: Write data failed, 0/100"},
                    DeadCase{5, "Interface data download:  Write data failed, 64/100"},
                    DeadCase{6, "Interface data download:download complete... The device is not "
                                "responding to an end command"}));

TEST(SerialDownload, OversizeImageRefusedBeforeAnyTraffic) {
    SerialRun run;
    const auto big = writeTemp("zorv-h-big.hc", patternBytes(57345));
    EXPECT_FALSE(run.engine.checkOnOpening(big));
    EXPECT_EQ(run.observer.texts.back(), "Output file size: 57345");
    EXPECT_FALSE(run.engine.startSerial({big, {}, true, false, {}}));
    EXPECT_FALSE(run.engine.startUsb({big, {}, true, false, {}}));
    EXPECT_EQ(run.observer.messages, (std::vector<std::string>{"Download file more than 56k!",
                                                               "Download file more than 56K!",
                                                               "Download file more than 56K!"}));
    EXPECT_EQ(run.panel.device.requests(), 0);
    EXPECT_TRUE(run.engine.checkOnOpening(writeTemp("zorv-h-max.hc", patternBytes(57344))));
}

TEST(SerialDownload, MissingFileAndSecondStartWhileBusy) {
    SerialRun run;
    EXPECT_FALSE(run.engine.runSerial({"/nonexistent/zorv.hc", {}, true, false, {}}));
    EXPECT_EQ(run.observer.messages.back(), "Interface data file does not exist!");
    const auto image = writeTemp("zorv-h-busy.hc", patternBytes(300));
    EXPECT_TRUE(run.engine.startSerial({image, {}, true, false, {}}));
    EXPECT_FALSE(run.engine.startSerial({image, {}, true, false, {}}));
    run.engine.wait();
    EXPECT_FALSE(run.engine.busy());
    EXPECT_EQ(run.panel.device.interfaceImage(), patternBytes(300));
}

TEST(ModbusTransfer, DownloadThenVerifyAndChangedByteFails) {
    ServedPanel panel;
    RecordingObserver observer;
    ModbusTransfer transfer(panel.comm, observer);
    const auto mdt = patternBytes(100, 9);
    const auto file = writeTemp("zorv-h-prog.mdt", mdt);
    EXPECT_TRUE(transfer.runDownload(file));
    EXPECT_EQ(panel.device.config(), mdt);
    EXPECT_EQ(observer.texts.back(), "Program download: File download complete");
    EXPECT_EQ(panel.comm.handle(), nullptr);

    EXPECT_TRUE(transfer.runVerify(file));
    EXPECT_EQ(observer.texts.back(), "Program verification: Data verification Complete");

    auto changed = mdt;
    changed[70] ^= 0x40;
    EXPECT_FALSE(transfer.runVerify(writeTemp("zorv-h-prog2.mdt", changed)));
    EXPECT_EQ(observer.texts.back(), "Program verification: Data verification failed, 64/100");
    changed = mdt;
    changed[3] ^= 1;
    EXPECT_FALSE(transfer.runVerify(writeTemp("zorv-h-prog3.mdt", changed)));
    EXPECT_EQ(observer.texts.back(), "Program verification: Data verification failed, 0/100");
    EXPECT_TRUE(panel.device.problems().empty());
}

// A Modbus table the configuration area cannot take (1024 bytes or more, such as the 393,284
// bytes an earlier save could leave) is refused with the table's own message before any traffic,
// also before the image that would go first; 1023 bytes still go.
TEST(SerialDownload, OversizeModbusTableRefusedBeforeAnyTraffic) {
    const auto image = writeTemp("zorv-h-cfg-img.hc", patternBytes(300));
    for (const std::size_t size : {std::size_t(1024), std::size_t(1028), std::size_t(393284)}) {
        SerialRun run;
        const auto table = writeTemp("zorv-h-cfg-big.mdt", patternBytes(size));
        const DownloadChoice choice{image, table, true, true, {}};
        EXPECT_FALSE(run.engine.runSerial(choice)) << size;
        ModbusTransfer transfer(run.panel.comm, run.observer);
        EXPECT_FALSE(transfer.runDownload(table)) << size;
        EXPECT_FALSE(transfer.runVerify(table)) << size;
        EXPECT_EQ(
            run.observer.messages,
            std::vector<std::string>(3, "Too many configuration data, please delete some data!"))
            << size;
        EXPECT_EQ(run.observer.result, false);
        EXPECT_EQ(run.panel.device.requests(), 0) << size;
        EXPECT_EQ(run.panel.comm.handle(), nullptr);
    }
    SerialRun run;
    const auto table = patternBytes(1023);
    EXPECT_TRUE(
        run.engine.runSerial({image, writeTemp("zorv-h-cfg-max.mdt", table), false, true, {}}));
    EXPECT_EQ(run.panel.device.config(), table);
}
