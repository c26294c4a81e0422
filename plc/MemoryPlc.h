#pragma once
// A PLC in memory for tests: the four tables of a few units, spans that a unit refuses with
// ILLEGAL DATA ADDRESS, a line that can be "down", and the requests it was sent in order.

#include <map>
#include <tuple>

#include "plc/PlcLink.h"

namespace zorv::plc {

class MemoryPlc : public PlcLink {
public:
    struct Request {
        enum class Kind : uint8_t { Read, Write };
        Kind kind = Kind::Read;
        uint8_t unit = 1;
        ModbusObject object = ModbusObject::HoldingRegister;
        uint16_t address = 0;
        uint16_t count = 0;
        bool operator==(const Request&) const = default;
    };

    explicit MemoryPlc(bool serial = true) : serial_(serial) {}

    uint16_t value(uint8_t unit, ModbusObject object, uint16_t address) const;
    void setValue(uint8_t unit, ModbusObject object, uint16_t address, uint16_t value);
    // Any request touching [first, last] of the object is refused with ILLEGAL DATA ADDRESS;
    // with `writesOnly` only writes are (registers the device keeps read-only).
    void refuse(uint8_t unit, ModbusObject object, uint16_t first, uint16_t last,
                bool writesOnly = false);
    // A unit that never answers (times out).
    void silence(uint8_t unit, bool silent = true);
    // Down: connecting fails and every request finds the link down.
    void setDown(bool down);

    const std::vector<Request>& requests() const { return requests_; }
    void clearRequests() { requests_.clear(); }
    int connects() const { return connects_; }

    bool connect(std::string& error) override;
    void disconnect() override { connected_ = false; }
    bool connected() const override { return connected_; }
    bool serialLine() const override { return serial_; }
    LinkReply readBits(uint8_t unit, ModbusObject object, uint16_t address, uint16_t count,
                       std::vector<uint8_t>& bits) override;
    LinkReply readWords(uint8_t unit, ModbusObject object, uint16_t address, uint16_t count,
                        std::vector<uint16_t>& words) override;
    LinkReply writeBits(uint8_t unit, uint16_t address, const std::vector<uint8_t>& bits) override;
    LinkReply writeWords(uint8_t unit, uint16_t address,
                         const std::vector<uint16_t>& words) override;

private:
    struct Span {
        uint8_t unit;
        ModbusObject object;
        uint16_t first, last;
        bool writesOnly;
    };
    // The reply before any values move: down, silent or refused.
    LinkReply check(const Request& request);

    std::map<std::tuple<uint8_t, ModbusObject, uint16_t>, uint16_t> cells_;
    std::vector<Span> refused_;
    std::vector<uint8_t> silent_;
    std::vector<Request> requests_;
    bool serial_;
    bool down_ = false, connected_ = false;
    int connects_ = 0;
};

} // namespace zorv::plc
