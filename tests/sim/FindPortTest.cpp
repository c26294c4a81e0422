// Guards against: a port search that keeps a port which does not answer, forgets the one that
// does, leaves a handle after failing, or opens a new port when one is already open.

#include <gtest/gtest.h>

#include "SimHarness.h"

using namespace zorv;
using namespace zorv::test;

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
    sim::PanelDevice silent(sim::FaultPlan{0, 0, 0, 0});
    sim::PanelDevice panel;
    sim::PtyLink first, second;
    std::atomic<bool> stop{false};
    std::thread t1([&] { first.serve(silent, stop); });
    std::thread t2([&] { second.serve(panel, stop); });
    PosixSerialPortSystem ports(std::vector{first.devicePath(), second.devicePath()});
    CComm comm(ports);
    comm.setTimeouts({std::chrono::milliseconds(1), std::chrono::milliseconds(40)});
    EXPECT_TRUE(comm.FindPort());
    EXPECT_EQ(comm.portName(), second.devicePath());
    EXPECT_EQ(comm.portSettings(), "9600,e,7,1");
    const PortHandle open = comm.handle();
    EXPECT_TRUE(comm.FindPort()); // re-probes the open port only
    EXPECT_EQ(comm.handle(), open);
    EXPECT_EQ(silent.requests(), 1);
    EXPECT_EQ(panel.requests(), 2);
    EXPECT_TRUE(comm.ClosePort());
    EXPECT_FALSE(comm.ClosePort());
    const uint8_t block[65] = {};
    EXPECT_FALSE(comm.WriteBlock(comm.handle(), 'D', block, 65, 0x2000));
    stop = true;
    t1.join();
    t2.join();
}
