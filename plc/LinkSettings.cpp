#include <algorithm>
#include <cctype>
#include <charconv>

#include "platform/SerialPort.h"
#include "plc/PlcLink.h"

namespace zorv::plc {

namespace {

constexpr std::string_view kTcpPrefix = "tcp://";
constexpr std::string_view kRtuPrefix = "rtu:";
// The rates a serial port takes as they are; libmodbus would open another one at 9600.
constexpr int kBaudRates[] = {300, 600, 1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};

std::string quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

bool readNumber(std::string_view text, int& out) {
    const char* end = text.data() + text.size();
    const auto [last, fault] = std::from_chars(text.data(), end, out);
    return !text.empty() && fault == std::errc() && last == end;
}

bool fail(std::string& error, std::string text) {
    error = std::move(text);
    return false;
}

bool parseTcp(std::string_view rest, LinkSettings& out, std::string& error) {
    const size_t colon = rest.rfind(':');
    if (colon == std::string_view::npos)
        return fail(error, "The PLC address " + quoted(rest) + " has no port: tcp://HOST:PORT");
    std::string_view host = rest.substr(0, colon);
    if (host.size() >= 2 && host.front() == '[' && host.back() == ']')
        host = host.substr(1, host.size() - 2); // an IPv6 address
    if (host.empty() || host.find_first_of(" \t[]") != std::string_view::npos)
        return fail(error, "The PLC address " + quoted(rest) + " has no host: tcp://HOST:PORT");
    int port = 0;
    if (!readNumber(rest.substr(colon + 1), port) || port < 1 || port > 65535)
        return fail(error,
                    "The TCP port must be 1 to 65535, not " + quoted(rest.substr(colon + 1)));
    out.kind = LinkSettings::Kind::Tcp;
    out.host = std::string(host);
    out.port = port;
    return true;
}

bool parseRtu(std::string_view rest, LinkSettings& out, std::string& error) {
    const size_t colon = rest.rfind(':');
    if (colon == std::string_view::npos || colon == 0)
        return fail(error, "The serial line " + quoted(rest) +
                               " needs a port and its settings: rtu:PORT:BAUD,PARITY,DATA,STOP");
    const std::string_view line = rest.substr(colon + 1);
    SerialSettings serial;
    if (!parseSerialSettings(std::string(line), serial))
        return fail(error, "The serial settings must be BAUD,PARITY,DATA,STOP with parity n, e "
                           "or o and 1 or 2 stop bits (9600,e,8,1), not " +
                               quoted(line));
    if (std::find(std::begin(kBaudRates), std::end(kBaudRates), serial.baud) ==
        std::end(kBaudRates))
        return fail(error, "The baud rate must be 300, 600, 1200, 2400, 4800, 9600, 19200, "
                           "38400, 57600 or 115200, not " +
                               std::to_string(serial.baud));
    if (serial.dataBits != 7 && serial.dataBits != 8)
        return fail(error,
                    "Modbus RTU takes 7 or 8 data bits, not " + std::to_string(serial.dataBits));
    out.kind = LinkSettings::Kind::Rtu;
    out.device = std::string(rest.substr(0, colon));
    out.baud = serial.baud;
    out.parity = char(std::toupper(static_cast<unsigned char>(serial.parity)));
    out.dataBits = serial.dataBits;
    out.stopBits = serial.stopBits;
    return true;
}

} // namespace

bool parseLinkSettings(std::string_view text, LinkSettings& out, std::string& error) {
    LinkSettings read = out; // the time-out and the retries stay as they were
    bool ok = false;
    if (text.starts_with(kTcpPrefix))
        ok = parseTcp(text.substr(kTcpPrefix.size()), read, error);
    else if (text.starts_with(kRtuPrefix))
        ok = parseRtu(text.substr(kRtuPrefix.size()), read, error);
    else
        return fail(error, "A PLC line is tcp://HOST:PORT or rtu:PORT:BAUD,PARITY,DATA,STOP, "
                           "not " +
                               quoted(text));
    if (ok)
        out = read;
    return ok;
}

std::string linkSettingsText(const LinkSettings& settings) {
    if (settings.kind == LinkSettings::Kind::Tcp) {
        const bool ipv6 = settings.host.find(':') != std::string::npos;
        const std::string host = ipv6 ? "[" + settings.host + "]" : settings.host;
        return std::string(kTcpPrefix) + host + ":" + std::to_string(settings.port);
    }
    return std::string(kRtuPrefix) + settings.device + ":" + std::to_string(settings.baud) + "," +
           char(std::tolower(static_cast<unsigned char>(settings.parity))) + "," +
           std::to_string(settings.dataBits) + "," + std::to_string(settings.stopBits);
}

} // namespace zorv::plc
