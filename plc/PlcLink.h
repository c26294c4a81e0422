#pragma once
// The link to the PLC in Modbus terms: one request at a time to one unit (the register's
// station), answered by values, an exception code or a fault of the line. The protocol itself
// is libmodbus's; a link adds the settings of its line, the time-out and the retries.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zorv::plc {

// The four Modbus data objects.
enum class ModbusObject : uint8_t { Coil, DiscreteInput, HoldingRegister, InputRegister };

inline bool isBitObject(ModbusObject object) {
    return object == ModbusObject::Coil || object == ModbusObject::DiscreteInput;
}

// The line to the PLC: "tcp://HOST:PORT" or "rtu:PORT:BAUD,PARITY,DATA,STOP"
// ("rtu:/dev/ttyUSB0:9600,e,8,1").
struct LinkSettings {
    enum class Kind : uint8_t { Tcp, Rtu };
    Kind kind = Kind::Tcp;
    std::string host = "127.0.0.1";
    int port = 502;
    std::string device; // serial port
    int baud = 9600;
    char parity = 'N'; // 'N', 'E' or 'O'
    int dataBits = 8;
    int stopBits = 1;
    int timeoutMs = 500; // for one reply
    int retries = 3;     // sendings again after a time-out
};

// False, with the reason in `error` and `out` as it was, when the text is not one of the two
// forms above or a number in it is out of its range. The time-out and the retries are not part
// of the text and stay as they were.
bool parseLinkSettings(std::string_view text, LinkSettings& out, std::string& error);
// The text form parseLinkSettings reads back.
std::string linkSettingsText(const LinkSettings& settings);

struct LinkReply {
    enum class Status : uint8_t { Ok, Exception, Timeout, LinkDown };
    Status status = Status::Ok;
    uint8_t exceptionCode = 0; // with Status::Exception, e.g. 2 for ILLEGAL DATA ADDRESS
    std::string error;         // what went wrong, for the status line
    bool ok() const { return status == Status::Ok; }
};

inline constexpr uint8_t kIllegalDataAddress = 2;

class PlcLink {
public:
    virtual ~PlcLink() = default;

    virtual bool connect(std::string& error) = 0;
    virtual void disconnect() = 0;
    virtual bool connected() const = 0;
    // A serial line carries one request at a time; TCP may carry the stations side by side.
    virtual bool serialLine() const = 0;

    // Reads `count` bits (coils or discrete inputs) into `bits`, one byte of 0 or 1 each.
    virtual LinkReply readBits(uint8_t unit, ModbusObject object, uint16_t address, uint16_t count,
                               std::vector<uint8_t>& bits) = 0;
    // Reads `count` words (holding or input registers) into `words`.
    virtual LinkReply readWords(uint8_t unit, ModbusObject object, uint16_t address, uint16_t count,
                                std::vector<uint16_t>& words) = 0;
    // Writes coils: one with the single function, several with the multiple one.
    virtual LinkReply writeBits(uint8_t unit, uint16_t address,
                                const std::vector<uint8_t>& bits) = 0;
    // Writes holding registers: one with the single function, several with the multiple one.
    virtual LinkReply writeWords(uint8_t unit, uint16_t address,
                                 const std::vector<uint16_t>& words) = 0;
};

// The link over libmodbus for the settings' line (not yet connected).
std::unique_ptr<PlcLink> makeModbusLink(const LinkSettings& settings);

} // namespace zorv::plc
