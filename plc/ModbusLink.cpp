// The link over libmodbus: libmodbus frames, checks and times each request; this link picks the
// unit, sends again after a time-out and tells an exception from a broken line.

#include <algorithm>
#include <cerrno>
#include <functional>
#include <modbus/modbus.h>

#include "plc/PlcLink.h"

namespace zorv::plc {

namespace {

constexpr int kLastExceptionCode = MODBUS_EXCEPTION_GATEWAY_TARGET;
constexpr int kHighestRtuUnit = 247;

// Nothing or a garbled reply came back: worth sending again.
bool worthRetrying(int error) {
    return error == ETIMEDOUT || error == EMBBADCRC || error == EMBBADDATA ||
           error == EMBBADSLAVE || error == EMBUNKEXC;
}

std::string describe(const LinkSettings& settings, int error) {
    return linkSettingsText(settings) + ": " + modbus_strerror(error);
}

class ModbusLink final : public PlcLink {
public:
    explicit ModbusLink(const LinkSettings& settings) : settings_(settings) {}
    ~ModbusLink() override { disconnect(); }
    ModbusLink(const ModbusLink&) = delete;
    ModbusLink& operator=(const ModbusLink&) = delete;

    bool connect(std::string& error) override {
        disconnect();
        context_ = newContext();
        if (context_ == nullptr) {
            error = describe(settings_, errno);
            return false;
        }
        // No recovery of libmodbus's own: sending again and connecting again are ours.
        modbus_set_error_recovery(context_, MODBUS_ERROR_RECOVERY_NONE);
        const int timeoutMs = std::max(settings_.timeoutMs, 1);
        modbus_set_response_timeout(context_, uint32_t(timeoutMs / 1000),
                                    uint32_t(timeoutMs % 1000) * 1000);
        if (modbus_connect(context_) != 0) {
            error = describe(settings_, errno);
            disconnect();
            return false;
        }
        return true;
    }

    void disconnect() override {
        if (context_ == nullptr)
            return;
        modbus_close(context_);
        modbus_free(context_);
        context_ = nullptr;
    }

    bool connected() const override { return context_ != nullptr; }
    bool serialLine() const override { return settings_.kind == LinkSettings::Kind::Rtu; }

    LinkReply readBits(uint8_t unit, ModbusObject object, uint16_t address, uint16_t count,
                       std::vector<uint8_t>& bits) override {
        bits.assign(count, 0);
        const bool coils = object == ModbusObject::Coil;
        return request(unit, count, [&] {
            return coils ? modbus_read_bits(context_, address, count, bits.data())
                         : modbus_read_input_bits(context_, address, count, bits.data());
        });
    }

    LinkReply readWords(uint8_t unit, ModbusObject object, uint16_t address, uint16_t count,
                        std::vector<uint16_t>& words) override {
        words.assign(count, 0);
        const bool holding = object == ModbusObject::HoldingRegister;
        return request(unit, count, [&] {
            return holding ? modbus_read_registers(context_, address, count, words.data())
                           : modbus_read_input_registers(context_, address, count, words.data());
        });
    }

    LinkReply writeBits(uint8_t unit, uint16_t address, const std::vector<uint8_t>& bits) override {
        return request(unit, bits.size(), [&] {
            return bits.size() == 1
                       ? modbus_write_bit(context_, address, bits[0] != 0)
                       : modbus_write_bits(context_, address, int(bits.size()), bits.data());
        });
    }

    LinkReply writeWords(uint8_t unit, uint16_t address,
                         const std::vector<uint16_t>& words) override {
        return request(unit, words.size(), [&] {
            return words.size() == 1
                       ? modbus_write_register(context_, address, words[0])
                       : modbus_write_registers(context_, address, int(words.size()), words.data());
        });
    }

private:
    modbus_t* newContext() const {
        if (settings_.kind == LinkSettings::Kind::Tcp)
            return modbus_new_tcp_pi(settings_.host.c_str(),
                                     std::to_string(settings_.port).c_str());
        return modbus_new_rtu(settings_.device.c_str(), settings_.baud, settings_.parity,
                              settings_.dataBits, settings_.stopBits);
    }

    // Sends one request of `count` values (`send` returns libmodbus's result, -1 with errno on a
    // fault) to the unit, again after a time-out or a garbled reply, up to the retries.
    LinkReply request(uint8_t unit, size_t count, const std::function<int()>& send) {
        LinkReply reply;
        if (count == 0)
            return reply; // nothing asked, nothing sent
        if (context_ == nullptr) {
            reply.status = LinkReply::Status::LinkDown;
            reply.error = linkSettingsText(settings_) + ": not connected";
            return reply;
        }
        if (serialLine() && (unit == 0 || unit > kHighestRtuUnit)) {
            // Station 0 is the broadcast of a serial line, which nobody answers.
            reply.status = LinkReply::Status::Timeout;
            reply.error = "Station " + std::to_string(unit) + " has no address on an RTU line";
            return reply;
        }
        modbus_set_slave(context_, unit);
        for (int sending = 0;; ++sending) {
            if (send() >= 0)
                return reply;
            const int error = errno;
            reply.error = describe(settings_, error);
            if (error > MODBUS_ENOBASE && error <= MODBUS_ENOBASE + kLastExceptionCode) {
                reply.status = LinkReply::Status::Exception;
                reply.exceptionCode = uint8_t(error - MODBUS_ENOBASE);
                return reply;
            }
            if (error == EMBMDATA) {
                // More values than one request carries: libmodbus sends nothing, and a device
                // would answer ILLEGAL DATA VALUE.
                reply.status = LinkReply::Status::Exception;
                reply.exceptionCode = MODBUS_EXCEPTION_ILLEGAL_DATA_VALUE;
                return reply;
            }
            if (!worthRetrying(error)) {
                // The line is gone (closed by the peer, the cable or the adapter pulled): no
                // sending again helps until it is connected again.
                reply.status = LinkReply::Status::LinkDown;
                disconnect();
                return reply;
            }
            reply.status = LinkReply::Status::Timeout;
            if (sending >= settings_.retries)
                return reply;
            modbus_flush(context_); // a late reply must not pass for the next one's
        }
    }

    LinkSettings settings_;
    modbus_t* context_ = nullptr;
};

} // namespace

std::unique_ptr<PlcLink> makeModbusLink(const LinkSettings& settings) {
    return std::make_unique<ModbusLink>(settings);
}

} // namespace zorv::plc
