// Guards against: a port search that keeps a port which does not answer, forgets the one that
// does, leaves a handle after failing, or opens a new port when one is already open; a chosen
// port that is not the only one tried, or whose path loses its own colons; a failed search that
// does not name every port it tried and why, or names a panel that refused the probe as giving no
// answer; and a port list that offers the standard ttyS lines without a UART.

#include <fstream>

#include <gtest/gtest.h>

#include "SimHarness.h"
#include "tests/TestFolder.h"

using namespace zorv;
using namespace zorv::test;

namespace {

// A panel that never answers and one that does, each served on a pseudo-terminal of its own.
struct TwoPanels {
    TwoPanels() {
        threads[0] = std::thread([this] { quietLink.serve(silent, stop); });
        threads[1] = std::thread([this] { answeringLink.serve(panel, stop); });
    }
    ~TwoPanels() {
        stop = true;
        for (auto& t : threads)
            t.join();
    }
    sim::PanelDevice silent{sim::FaultPlan{0, 0, 0, 0}};
    sim::PanelDevice panel;
    sim::PtyLink quietLink, answeringLink;
    std::atomic<bool> stop{false};
    std::thread threads[2];
};

} // namespace

TEST(FindPort, NoPortsFailsWithInvalidHandle) {
    PosixSerialPortSystem none(std::vector<std::string>{});
    CComm comm(none);
    EXPECT_FALSE(comm.FindPort());
    EXPECT_EQ(comm.handle(), nullptr);
    PosixSerialPortSystem missing(std::vector<std::string>{"/nonexistent/tty"});
    CComm comm2(missing);
    EXPECT_FALSE(comm2.FindPort());
    EXPECT_EQ(comm2.handle(), nullptr);
}

TEST(FindPort, SecondPortThatAnswersIsKept) {
    TwoPanels two;
    PosixSerialPortSystem ports(
        std::vector{two.quietLink.devicePath(), two.answeringLink.devicePath()});
    CComm comm(ports);
    comm.setTimeouts({std::chrono::milliseconds(1), std::chrono::milliseconds(40)});
    EXPECT_TRUE(comm.FindPort());
    EXPECT_EQ(comm.portName(), two.answeringLink.devicePath());
    EXPECT_EQ(comm.portSettings(), "9600,e,7,1");
    const PortHandle open = comm.handle();
    EXPECT_TRUE(comm.FindPort()); // re-probes the open port only
    EXPECT_EQ(comm.handle(), open);
    EXPECT_EQ(two.silent.requests(), 1);
    EXPECT_EQ(two.panel.requests(), 2);
    EXPECT_TRUE(comm.ClosePort());
    EXPECT_FALSE(comm.ClosePort());
    const uint8_t block[65] = {};
    EXPECT_FALSE(comm.WriteBlock(comm.handle(), 'D', block, 65, 0x2000));
}

TEST(FindPort, ChosenPortAloneIsTriedAndFailuresNameEveryPort) {
    TwoPanels two;
    PosixSerialPortSystem ports(
        std::vector<std::string>{"/nonexistent/ttyUSB9", two.quietLink.devicePath()});
    CComm comm(ports);
    comm.setTimeouts({std::chrono::milliseconds(1), std::chrono::milliseconds(40)});

    // Automatic: every listed port, each named with what it did.
    EXPECT_FALSE(comm.FindPort());
    EXPECT_EQ(portsTriedText(comm.portsTried()),
              "Ports tried: /nonexistent/ttyUSB9 (cannot be opened: No such file or directory), " +
                  two.quietLink.devicePath() + " (no answer)");

    // A chosen port is the only one tried, even one the system does not list; a path with colons
    // of its own (as /dev/serial/by-path names have) is kept whole.
    const std::filesystem::path byPath =
        test::freshTestFolder("zorv_by_path_") / "pci-0000:00:14.0-usb-0:2:1.0-port0";
    std::filesystem::remove(byPath);
    std::filesystem::create_symlink(two.answeringLink.devicePath(), byPath);
    comm.setPort(byPath.string());
    EXPECT_TRUE(comm.FindPort());
    EXPECT_EQ(comm.portName(), byPath.string());
    EXPECT_EQ(comm.portsTried().size(), 1u);
    EXPECT_EQ(two.silent.requests(), 1);
    comm.ClosePort();
    std::filesystem::remove(byPath);

    comm.setPort("/dev/null");
    EXPECT_FALSE(comm.FindPort());
    EXPECT_EQ(portsTriedText(comm.portsTried()),
              "Ports tried: /dev/null (cannot be opened: not a serial port)");
    PosixSerialPortSystem none(std::vector<std::string>{});
    CComm nothing(none);
    EXPECT_FALSE(nothing.FindPort());
    EXPECT_EQ(portsTriedText(nothing.portsTried()), "No serial port was found.");
}

TEST(FindPort, RefusingPanelIsToldFromSilentOne) {
    TwoPanels two;
    ServedPanel refusing(sim::FaultPlan{0, 1, 0, {}});
    PosixSerialPortSystem ports(
        std::vector{two.quietLink.devicePath(), refusing.link.devicePath()});
    CComm comm(ports);
    comm.setTimeouts({std::chrono::milliseconds(1), std::chrono::milliseconds(40)});
    EXPECT_FALSE(comm.FindPort());
    EXPECT_EQ(portsTriedText(comm.portsTried()), "Ports tried: " + two.quietLink.devicePath() +
                                                     " (no answer), " + refusing.link.devicePath() +
                                                     " (refused)");

    // An open port re-probed: answered first, refused the second time.
    ServedPanel everyOther(sim::FaultPlan{0, 2, 0, {}});
    ASSERT_TRUE(everyOther.comm.FindPort());
    EXPECT_FALSE(everyOther.comm.FindPort());
    EXPECT_EQ(portsTriedText(everyOther.comm.portsTried()),
              "Ports tried: " + everyOther.link.devicePath() + " (refused)");
}

TEST(FindPort, PortListLeavesOutTtyLinesWithoutUart) {
    const std::filesystem::path root = test::freshTestFolder("zorv_ports_");
    std::filesystem::create_directories(root / "dev");
    for (const char* name :
         {"ttyS0", "ttyS1", "ttyS10", "ttyS2", "ttyUSB0", "ttyACM3", "tty5", "ttySX", "ttyUSB"})
        std::ofstream(root / "dev" / name).put('\n');
    auto uartType = [&](const char* name, const char* type) {
        std::filesystem::create_directories(root / "class" / name);
        std::ofstream(root / "class" / name / "type") << type << "\n";
    };
    uartType("ttyS0", "4");
    uartType("ttyS1", "0");   // kept by the kernel, no chip behind it
    uartType("ttyUSB0", "0"); // only the standard lines are judged by their type
    const auto d = [&](const char* name) { return (root / "dev" / name).string(); };
    EXPECT_EQ(serialPortsIn(root / "dev", root / "class"),
              (std::vector<std::string>{d("ttyS0"), d("ttyS2"), d("ttyS10"), d("ttyUSB0"),
                                        d("ttyACM3")}));
    std::filesystem::remove_all(root);
}
