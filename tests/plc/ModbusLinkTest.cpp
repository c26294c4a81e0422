// The link against a real Modbus server (pymodbus) over TCP and over RTU on a pty pair: values
// and functions as a device sees them, exceptions kept apart from time-outs, the sendings again
// after a time-out, and a line lost and found again.

#include <gtest/gtest.h>

#include <chrono>

#include "plc/PlcLink.h"
#include "tests/TestFolder.h"
#include "tests/plc/ModbusServer.h"

using namespace zorv::plc;
using zorv::test::ModbusServer;
using Status = LinkReply::Status;

namespace {

class ModbusLinkTest : public testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        if (const std::string why = ModbusServer::missing(); !why.empty())
            GTEST_SKIP() << why;
        server_ = std::make_unique<ModbusServer>(zorv::test::freshTestFolder("modbus-"),
                                                 ModbusServer::Options{.rtu = GetParam()});
        ASSERT_TRUE(server_->ready()) << server_->failure();
        std::string error;
        ASSERT_TRUE(parseLinkSettings(server_->linkText(), settings_, error)) << error;
        settings_.timeoutMs = 1000; // no sending again on a loaded machine
    }

    std::unique_ptr<PlcLink> connected() {
        auto link = makeModbusLink(settings_);
        std::string error;
        EXPECT_TRUE(link->connect(error)) << error;
        return link;
    }

    std::unique_ptr<ModbusServer> server_;
    LinkSettings settings_;
};

TEST_P(ModbusLinkTest, ReadsAndWritesWithTheSingleAndMultipleFunctions) {
    ASSERT_EQ(server_->command("set hr 100 1234 65535"), "ok");
    ASSERT_EQ(server_->command("set ir 3 77"), "ok");
    ASSERT_EQ(server_->command("set coil 5 1"), "ok");
    ASSERT_EQ(server_->command("set di 10009 1"), "ok");
    auto link = connected();
    EXPECT_EQ(link->serialLine(), GetParam());

    std::vector<uint16_t> words;
    ASSERT_TRUE(link->readWords(1, ModbusObject::HoldingRegister, 100, 2, words).ok());
    EXPECT_EQ(words, (std::vector<uint16_t>{1234, 65535}));
    ASSERT_TRUE(link->readWords(1, ModbusObject::InputRegister, 3, 1, words).ok());
    EXPECT_EQ(words, (std::vector<uint16_t>{77}));
    std::vector<uint8_t> bits;
    ASSERT_TRUE(link->readBits(1, ModbusObject::Coil, 4, 3, bits).ok());
    EXPECT_EQ(bits, (std::vector<uint8_t>{0, 1, 0}));
    ASSERT_TRUE(link->readBits(1, ModbusObject::DiscreteInput, 10008, 2, bits).ok());
    EXPECT_EQ(bits, (std::vector<uint8_t>{0, 1}));

    EXPECT_TRUE(link->writeWords(1, 100, {42}).ok());
    EXPECT_TRUE(link->writeWords(1, 200, {1, 2, 3}).ok());
    EXPECT_TRUE(link->writeBits(1, 7, {1}).ok());
    EXPECT_TRUE(link->writeBits(1, 10, {1, 0, 1}).ok());
    EXPECT_EQ(server_->command("get hr 100"), "42");
    EXPECT_EQ(server_->command("get hr 200 3"), "1 2 3");
    EXPECT_EQ(server_->command("get coil 7"), "1");
    EXPECT_EQ(server_->command("get coil 10 3"), "1 0 1");
    EXPECT_EQ(server_->command("log"),
              "3 1 100 2;4 1 3 1;1 1 4 3;2 1 10008 2;6 1 100 1;16 1 200 3;5 1 7 1;15 1 10 3");
}

TEST_P(ModbusLinkTest, AnAddressTheDeviceLacksIsAnExceptionNotAFault) {
    auto link = connected();
    std::vector<uint16_t> words;
    const LinkReply reply = link->readWords(1, ModbusObject::HoldingRegister, 9999, 2, words);
    EXPECT_EQ(reply.status, Status::Exception);
    EXPECT_EQ(reply.exceptionCode, kIllegalDataAddress);
    EXPECT_NE(reply.error.find("Illegal data address"), std::string::npos) << reply.error;
    EXPECT_TRUE(link->connected());
    EXPECT_EQ(server_->command("log"), "3 1 9999 2"); // sent once, not again
    EXPECT_TRUE(link->readWords(1, ModbusObject::HoldingRegister, 9998, 2, words).ok());
}

TEST_P(ModbusLinkTest, ASilentStationTimesOutAfterTheRetries) {
    settings_.timeoutMs = 150;
    auto link = connected();
    std::vector<uint16_t> words;
    const auto start = std::chrono::steady_clock::now();
    const LinkReply reply = link->readWords(2, ModbusObject::HoldingRegister, 100, 1, words);
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(reply.status, Status::Timeout);
    EXPECT_NE(reply.error.find("timed out"), std::string::npos) << reply.error;
    EXPECT_GE(took, std::chrono::milliseconds(4 * 150));
    EXPECT_EQ(server_->command("log"), "3 2 100 1;3 2 100 1;3 2 100 1;3 2 100 1");
    // The line stays usable for the stations that answer.
    ASSERT_EQ(server_->command("set hr 100 9"), "ok");
    ASSERT_TRUE(link->readWords(1, ModbusObject::HoldingRegister, 100, 1, words).ok());
    EXPECT_EQ(words, (std::vector<uint16_t>{9}));
}

INSTANTIATE_TEST_SUITE_P(Lines, ModbusLinkTest, testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Rtu" : "Tcp"; });

using ModbusTcpLinkTest = ModbusLinkTest;

TEST_P(ModbusTcpLinkTest, AStoppedServerIsALinkDownAndIsConnectedAgainOnceItIsBack) {
    auto link = connected();
    ASSERT_EQ(server_->command("stop"), "ok");
    std::vector<uint16_t> words;
    const LinkReply reply = link->readWords(1, ModbusObject::HoldingRegister, 0, 1, words);
    EXPECT_EQ(reply.status, Status::LinkDown);
    EXPECT_FALSE(reply.error.empty());
    EXPECT_FALSE(link->connected());
    EXPECT_EQ(link->readWords(1, ModbusObject::HoldingRegister, 0, 1, words).status,
              Status::LinkDown);
    std::string error;
    EXPECT_FALSE(link->connect(error));
    EXPECT_NE(error.find("Connection refused"), std::string::npos) << error;

    ASSERT_EQ(server_->command("start"), "ok");
    ASSERT_TRUE(link->connect(error)) << error;
    EXPECT_TRUE(link->readWords(1, ModbusObject::HoldingRegister, 0, 1, words).ok());
}

INSTANTIATE_TEST_SUITE_P(Lines, ModbusTcpLinkTest, testing::Values(false),
                         [](const auto&) { return "Tcp"; });

// A serial line whose peer stops answering only times out; one whose adapter is gone is down.
using ModbusRtuLinkTest = ModbusLinkTest;

TEST_P(ModbusRtuLinkTest, APulledAdapterIsALinkDown) {
    auto link = connected();
    server_->pullCable();
    std::vector<uint16_t> words;
    const LinkReply reply = link->readWords(1, ModbusObject::HoldingRegister, 0, 1, words);
    EXPECT_EQ(reply.status, Status::LinkDown);
    EXPECT_NE(reply.error.find("Input/output error"), std::string::npos) << reply.error;
    EXPECT_FALSE(link->connected());
}

INSTANTIATE_TEST_SUITE_P(Lines, ModbusRtuLinkTest, testing::Values(true),
                         [](const auto&) { return "Rtu"; });

} // namespace
