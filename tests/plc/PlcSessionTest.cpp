// Guards the session against an in-memory PLC: the panel's writes sent before the reads and
// never the values read in, stations kept apart, a refused write taken back to the PLC's value,
// a silent station asked once a cycle with its communication alarm set and cleared, a refused
// merged read split and then read whole, reconnection with growing delays, and the protocol
// table's once-only and cyclic rows.

#include <gtest/gtest.h>

#include "panel/PanelMachine.h"
#include "plc/MemoryPlc.h"
#include "plc/PlcSession.h"
#include "tests/panel/PanelTestImage.h"

namespace zorv::plc {

namespace {

using Kind = MemoryPlc::Request::Kind;
constexpr auto kHr = ModbusObject::HoldingRegister;
constexpr auto kCoil = ModbusObject::Coil;
constexpr uint8_t kD = uint8_t(RegisterType::D), kM = uint8_t(RegisterType::M);

// Station 1's D100, D102 and D104 (F2 sets it to 7), M20 (F1 sets it); station 2's D100 and M5.
const char* kProject = R"({"header": {"startPage": 1}, "pages": [
  {"number": 1, "widgets": [
    {"kind": "Register", "x": 0, "y": 0, "station": 1, "register": "D100", "digits": 4},
    {"kind": "Register", "x": 48, "y": 0, "station": 1, "register": "D102", "digits": 4},
    {"kind": "Register", "x": 96, "y": 0, "station": 2, "register": "D100", "digits": 4},
    {"kind": "Led", "x": 144, "y": 0, "station": 2, "register": "M5", "symbolText": "FF1B"},
    {"kind": "Key", "x": 0, "y": 48, "keyCode": "F1", "action": "setCoil", "register": "M20",
     "value": 0, "symbolText": "FF1A"},
    {"kind": "Key", "x": 48, "y": 48, "keyCode": "F2", "action": "setRegister",
     "register": "D104", "value": 7, "symbolText": "FF16"}]}]})";

class Session : public testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(image.load(test::compiledJson(kProject), error)) << error;
        machine = std::make_unique<panel::PanelMachine>(image);
        PlcSession::attach(*machine);
    }
    void start(std::vector<ModbusRow> table = {}) {
        session = std::make_unique<PlcSession>(image, RegisterMap(), std::move(table));
    }
    bool cycle() { return session->runCycle(plc, *machine); }
    // The requests sent since the last look.
    std::vector<MemoryPlc::Request> sent() {
        auto requests = plc.requests();
        plc.clearRequests();
        return requests;
    }
    uint16_t word(uint8_t station, uint16_t address) const {
        return machine->registers().word({station, kD, address});
    }

    panel::PanelImage image;
    std::unique_ptr<panel::PanelMachine> machine;
    MemoryPlc plc;
    std::unique_ptr<PlcSession> session;
};

int countOf(const std::vector<MemoryPlc::Request>& requests, const MemoryPlc::Request& r) {
    return int(std::count(requests.begin(), requests.end(), r));
}

} // namespace

TEST_F(Session, WritesGoBeforeTheReadsAndValuesReadInAreNotSentBack) {
    start();
    plc.setValue(1, kHr, 100, 1234);
    plc.setValue(2, kHr, 100, 42);
    plc.setValue(2, kCoil, 5, 1);
    ASSERT_TRUE(cycle());
    EXPECT_EQ(word(1, 100), 1234);
    EXPECT_EQ(word(2, 100), 42) << "stations sharing an address are apart";
    EXPECT_TRUE(machine->registers().bit({2, kM, 5}));
    EXPECT_FALSE(machine->registers().bit({1, kM, 5}));
    sent();

    machine->click(panel::Key::F1);
    machine->click(panel::Key::F2);
    ASSERT_TRUE(cycle());
    const auto requests = sent();
    ASSERT_GE(requests.size(), 2u);
    EXPECT_EQ(requests[0], (MemoryPlc::Request{Kind::Write, 1, kCoil, 20, 1}));
    EXPECT_EQ(requests[1], (MemoryPlc::Request{Kind::Write, 1, kHr, 104, 1}));
    EXPECT_EQ(plc.value(1, kCoil, 20), 1);
    EXPECT_EQ(plc.value(1, kHr, 104), 7);
    // Station by station, one merged read per run of addresses.
    EXPECT_EQ(std::vector(requests.begin() + 2, requests.end()),
              (std::vector<MemoryPlc::Request>{{Kind::Read, 1, kCoil, 20, 1},
                                               {Kind::Read, 1, kHr, 100, 5},
                                               {Kind::Read, 2, kCoil, 5, 1},
                                               {Kind::Read, 2, kHr, 100, 1}}));
    ASSERT_TRUE(cycle());
    for (const auto& r : sent())
        EXPECT_EQ(r.kind, Kind::Read);
}

TEST_F(Session, ARefusedWriteShowsAndTakesThePlcValueBack) {
    start();
    plc.setValue(1, kHr, 104, 55);
    plc.refuse(1, kHr, 104, 104, true);
    ASSERT_TRUE(cycle());
    ASSERT_EQ(word(1, 104), 55);
    plc.setValue(1, kHr, 104, 60); // changed in the PLC since the last read
    machine->click(panel::Key::F2);
    ASSERT_EQ(word(1, 104), 7);
    const auto plan = session->plan(*machine);
    const CycleResult result = PlcSession::exchange(plc, plan);
    machine->click(panel::Key::F1); // a write made while the cycle ran waits for the next
    session->apply(result, *machine);
    EXPECT_EQ(word(1, 104), 60);
    EXPECT_TRUE(machine->registers().bit({1, kM, 20})) << "the pending write is not overwritten";
    EXPECT_NE(session->statusLine().find("Write to D104 failed"), std::string::npos)
        << session->statusLine();
    EXPECT_EQ(session->stations().at(1).errors, 1u);
    ASSERT_TRUE(cycle());
    EXPECT_EQ(plc.value(1, kCoil, 20), 1);
}

TEST_F(Session, ASilentStationIsAskedOnceACycleAndRaisesItsCommunicationAlarm) {
    start({{0, 2, 0, 50}, {0, 3, 0, 51}});
    const RegisterRef alarm2{1, kM, 50}, alarm3{1, kM, 51};
    plc.silence(2);
    ASSERT_TRUE(cycle());
    EXPECT_TRUE(machine->registers().bit(alarm2));
    EXPECT_FALSE(machine->registers().bit(alarm3)) << "station 3 is asked and answers";
    const auto requests = sent();
    EXPECT_EQ(std::count_if(requests.begin(), requests.end(),
                            [](const MemoryPlc::Request& r) { return r.unit == 2; }),
              1);
    EXPECT_EQ(countOf(requests, {Kind::Read, 3, kHr, 0, 1}), 1);
    EXPECT_FALSE(session->stations().at(2).answering);
    plc.silence(2, false);
    ASSERT_TRUE(cycle());
    EXPECT_FALSE(machine->registers().bit(alarm2));
    EXPECT_TRUE(machine->registers().journal().empty()) << "the alarm coil is the panel's own";
}

TEST_F(Session, AMergedReadRefusedOverAGapIsSplitAndThenReadWhole) {
    start();
    plc.setValue(1, kHr, 100, 11);
    plc.setValue(1, kHr, 102, 12);
    plc.setValue(1, kHr, 104, 13);
    plc.refuse(1, kHr, 101, 101);
    plc.refuse(1, kHr, 103, 103);
    ASSERT_TRUE(cycle());
    EXPECT_EQ(session->state(), "Connected") << "a split is no fault to show";
    sent();
    ASSERT_TRUE(cycle());
    const auto requests = sent();
    for (uint16_t a : {100, 102, 104})
        EXPECT_EQ(countOf(requests, {Kind::Read, 1, kHr, a, 1}), 1) << a;
    EXPECT_EQ(std::vector<uint16_t>({word(1, 100), word(1, 102), word(1, 104)}),
              std::vector<uint16_t>({11, 12, 13}));
}

TEST_F(Session, ReconnectsWithGrowingDelaysAfterTheLinkIsLost) {
    start({{0, 1, 0, 50}});
    plc.setDown(true);
    std::vector<int> delays;
    EXPECT_FALSE(cycle());
    for (int k = 0; k < 6; ++k) {
        delays.push_back(session->reconnectDelayMs());
        // Before the delay has passed nothing is tried.
        session->runCycle(plc, *machine, session->nextConnect() - std::chrono::milliseconds(1));
        EXPECT_EQ(plc.connects(), k + 1);
        EXPECT_FALSE(session->runCycle(plc, *machine, session->nextConnect()));
    }
    EXPECT_EQ(delays, (std::vector<int>{500, 1000, 2000, 4000, 8000, 8000}));
    EXPECT_TRUE(machine->registers().bit({1, kM, 50}));
    EXPECT_EQ(session->state().rfind("Not connected: ", 0), 0u) << session->state();

    plc.setDown(false);
    plc.setValue(1, kHr, 100, 5);
    EXPECT_TRUE(session->runCycle(plc, *machine, session->nextConnect()));
    EXPECT_EQ(word(1, 100), 5);
    EXPECT_FALSE(machine->registers().bit({1, kM, 50}));

    plc.setDown(true);
    EXPECT_FALSE(cycle());
    EXPECT_EQ(session->state().rfind("Link lost: ", 0), 0u) << session->state();
    EXPECT_EQ(session->reconnectDelayMs(), 500);
    EXPECT_TRUE(machine->registers().bit({1, kM, 50}));
}

TEST_F(Session, TheRequestRateIsTakenOverTheLastCyclesNotOneShortGap) {
    start();
    const SessionClock::time_point t0 = SessionClock::now();
    int perCycle = 0;
    // Cycles of 10 ms each, 100 ms apart and then one right after the other.
    for (const int startMs : {0, 110, 121}) {
        CycleResult result = PlcSession::exchange(plc, session->plan(*machine, t0));
        result.start = t0 + std::chrono::milliseconds(startMs);
        result.end = result.start + std::chrono::milliseconds(10);
        session->apply(result, *machine);
        perCycle = int(sent().size());
    }
    ASSERT_GT(perCycle, 0);
    EXPECT_NEAR(session->requestsPerSecond(), 3 * perCycle / 0.131, 1.0);
}

TEST_F(Session, OnceOnlyRowsRunAtEachConnectionAndCyclicRowsEveryCycle) {
    start({{1, 1, 300, 10}, {2, 1, 301, 11}, {3, 1, 320, 12}, {4, 1, 310, 13}, {5, 1, 40, 14}});
    machine->registers().takeWord({1, kD, 10}, 5);
    machine->registers().takeWord({1, kD, 11}, 6);
    plc.setValue(1, kHr, 320, 70);
    plc.setValue(1, kHr, 310, 80);
    plc.setValue(1, ModbusObject::DiscreteInput, 40, 1);
    plc.setValue(1, ModbusObject::DiscreteInput, 42, 1);
    ASSERT_TRUE(cycle());
    ASSERT_TRUE(cycle());
    auto requests = sent();
    EXPECT_EQ(countOf(requests, {Kind::Write, 1, kHr, 300, 1}), 1);
    EXPECT_EQ(countOf(requests, {Kind::Write, 1, kHr, 301, 1}), 2);
    EXPECT_EQ(countOf(requests, {Kind::Read, 1, ModbusObject::DiscreteInput, 40, 16}), 2);
    EXPECT_EQ(plc.value(1, kHr, 300), 5);
    EXPECT_EQ(plc.value(1, kHr, 301), 6);
    EXPECT_EQ(std::vector<uint16_t>({word(1, 12), word(1, 13), word(1, 14)}),
              std::vector<uint16_t>({70, 80, 0b101}));

    plc.setDown(true);
    cycle();
    plc.setDown(false);
    sent();
    ASSERT_TRUE(session->runCycle(plc, *machine, session->nextConnect()));
    EXPECT_EQ(countOf(sent(), {Kind::Write, 1, kHr, 300, 1}), 1) << "again on the new link";
}

} // namespace zorv::plc

namespace zorv::plc {

TEST(SessionWordOfCoils, AWordShownFromCoilsReadsAllSixteen) {
    panel::PanelImage image;
    std::string error;
    ASSERT_TRUE(image.load(test::compiledJson(R"({"header": {"startPage": 1}, "pages": [
      {"number": 1, "widgets": [
        {"kind": "Register", "x": 0, "y": 0, "register": "M32", "digits": 5}]}]})"),
                           error))
        << error;
    panel::PanelMachine machine(image);
    PlcSession::attach(machine);
    PlcSession session(image, RegisterMap(), {});
    MemoryPlc plc;
    plc.setValue(1, kCoil, 35, 1);
    plc.setValue(1, kCoil, 47, 1);
    ASSERT_TRUE(session.runCycle(plc, machine));
    EXPECT_EQ(machine.registers().word({1, kM, 32}), (1u << 3) | (1u << 15));
}

} // namespace zorv::plc
