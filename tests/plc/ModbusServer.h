#pragma once
// A real Modbus peer for the tests: tests/plc/modbus_server.py run by Debian's Python with
// pymodbus, over TCP on 127.0.0.1 or over RTU on one end of a socat pty pair. It serves a known
// data store and takes the commands of its control channel (see the script): "set hr 100 1234",
// "get coil 5", "mute 2", "stop", "start", "refuse-gaps 200-205", "log", ...
// The destructor ends the script and socat with their process groups.

#include <filesystem>
#include <string>
#include <sys/types.h>

namespace zorv::test {

class ModbusServer {
public:
    struct Options {
        bool rtu = false;
        int paceBaud = 0;        // RTU: replies held back as on a line of this baud rate
        std::string units = "1"; // the stations that answer, "1,2"
    };

    // Why no peer can be run here ("" when it can): Python without pymodbus or pyserial.
    static std::string missing();

    // Starts the peer in `folder` (the pty pair's links live there) and waits until it serves.
    ModbusServer(const std::filesystem::path& folder, const Options& options);
    ~ModbusServer();
    ModbusServer(const ModbusServer&) = delete;
    ModbusServer& operator=(const ModbusServer&) = delete;

    // False, with the reason in failure(), when the peer did not come up.
    bool ready() const { return failure_.empty(); }
    const std::string& failure() const { return failure_; }

    int port() const { return port_; }                              // TCP
    const std::filesystem::path& device() const { return device_; } // RTU: the master's end

    // The line settings text of a link to this peer, e.g. "tcp://127.0.0.1:40123" or
    // "rtu:FOLDER/master:9600,e,8,1".
    std::string linkText() const;

    // RTU: ends the pty pair, as a pulled serial adapter goes ("Input/output error").
    void pullCable();

    // Sends one command line and returns its answer line ("ok", values, "error ...").
    std::string command(const std::string& line);

private:
    bool startSocat(const std::filesystem::path& folder);
    bool startScript(const std::filesystem::path& folder, const Options& options);
    bool readLine(std::string& line, int timeoutMs);

    pid_t script_ = -1;
    pid_t socat_ = -1;
    int toScript_ = -1;
    int fromScript_ = -1;
    std::string pending_;
    std::string failure_;
    int port_ = 0;
    std::filesystem::path device_;
};

} // namespace zorv::test
