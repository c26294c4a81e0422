// Guards the session against a real Modbus server (pymodbus over TCP): a server stopped in the
// middle of a run raises the communication alarm and is reconnected once it serves again, and a
// merged read it refuses over a gap is split and then read whole.

#include <gtest/gtest.h>

#include "panel/PanelMachine.h"
#include "plc/PlcSession.h"
#include "tests/TestFolder.h"
#include "tests/panel/PanelTestImage.h"
#include "tests/plc/ModbusServer.h"

namespace zorv::plc {

namespace {

using test::ModbusServer;
constexpr uint8_t kD = uint8_t(RegisterType::D), kM = uint8_t(RegisterType::M);

const char* kProject = R"({"header": {"startPage": 1}, "pages": [
  {"number": 1, "widgets": [
    {"kind": "Register", "x": 0, "y": 0, "station": 1, "register": "D100", "digits": 4},
    {"kind": "Register", "x": 48, "y": 0, "station": 1, "register": "D102", "digits": 4}]}]})";

class PeerSession : public testing::Test {
protected:
    void SetUp() override {
        if (const std::string why = ModbusServer::missing(); !why.empty())
            GTEST_SKIP() << why;
        server =
            std::make_unique<ModbusServer>(test::freshTestFolder("peer-"), ModbusServer::Options{});
        ASSERT_TRUE(server->ready()) << server->failure();
        LinkSettings settings;
        std::string error;
        ASSERT_TRUE(parseLinkSettings(server->linkText(), settings, error)) << error;
        link = makeModbusLink(settings);
        ASSERT_TRUE(image.load(test::compiledJson(kProject), error)) << error;
        machine = std::make_unique<panel::PanelMachine>(image);
        PlcSession::attach(*machine);
        session = std::make_unique<PlcSession>(image, RegisterMap(),
                                               std::vector<ModbusRow>{{0, 1, 0, 50}});
    }
    uint16_t word(uint16_t address) const { return machine->registers().word({1, kD, address}); }
    bool alarm() const { return machine->registers().bit({1, kM, 50}); }

    std::unique_ptr<ModbusServer> server;
    std::unique_ptr<PlcLink> link;
    panel::PanelImage image;
    std::unique_ptr<panel::PanelMachine> machine;
    std::unique_ptr<PlcSession> session;
};

} // namespace

TEST_F(PeerSession, AStoppedServerRaisesTheAlarmAndIsReconnectedWhenItServesAgain) {
    ASSERT_EQ(server->command("set hr 100 77"), "ok");
    ASSERT_TRUE(session->runCycle(*link, *machine));
    EXPECT_EQ(word(100), 77);
    EXPECT_FALSE(alarm());

    ASSERT_EQ(server->command("stop"), "ok");
    EXPECT_FALSE(session->runCycle(*link, *machine));
    EXPECT_TRUE(alarm());
    EXPECT_EQ(session->state().rfind("Link lost: ", 0), 0u) << session->state();
    EXPECT_FALSE(session->runCycle(*link, *machine, session->nextConnect()));
    EXPECT_EQ(session->reconnectDelayMs(), 1000);

    ASSERT_EQ(server->command("start"), "ok");
    ASSERT_EQ(server->command("set hr 100 78"), "ok");
    ASSERT_TRUE(session->runCycle(*link, *machine, session->nextConnect())) << session->state();
    EXPECT_EQ(session->state(), "Connected");
    EXPECT_EQ(word(100), 78);
    EXPECT_FALSE(alarm());
}

TEST_F(PeerSession, AReadRefusedOverAGapIsSplitAndThenReadWhole) {
    ASSERT_EQ(server->command("set hr 100 5 0 6"), "ok");
    ASSERT_EQ(server->command("refuse-gaps 101-101"), "ok");
    ASSERT_TRUE(session->runCycle(*link, *machine));
    ASSERT_EQ(server->command("log"), "3 1 100 3");
    ASSERT_TRUE(session->runCycle(*link, *machine));
    EXPECT_EQ(server->command("log"), "3 1 100 1;3 1 102 1");
    EXPECT_EQ(word(100), 5);
    EXPECT_EQ(word(102), 6);
}

} // namespace zorv::plc
