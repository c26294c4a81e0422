#include "tests/plc/ModbusServer.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace zorv::test {

namespace {

constexpr const char* kPython = "/usr/bin/python3";
constexpr int kStartMs = 10000;
constexpr int kAnswerMs = 5000;

// Starts `argv` in a process group of its own, its stdin and stdout on the given descriptors
// (-1: /dev/null and inherited).
pid_t spawn(const std::vector<std::string>& argv, int in, int out) {
    std::vector<char*> args;
    for (const std::string& arg : argv)
        args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    const pid_t pid = ::fork();
    if (pid != 0)
        return pid;
    ::setpgid(0, 0);
    const int nothing = ::open("/dev/null", O_RDONLY);
    ::dup2(in >= 0 ? in : nothing, 0);
    if (out >= 0)
        ::dup2(out, 1);
    ::execv(args[0], args.data());
    ::_exit(127);
}

bool waitEnded(pid_t pid, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        int status = 0;
        const pid_t r = ::waitpid(pid, &status, WNOHANG);
        if (r == pid || (r < 0 && errno != EINTR))
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

// Ends the process and whatever it started, gently first (socat removes its links).
void endGroup(pid_t pid) {
    if (pid <= 0)
        return;
    ::kill(-pid, SIGTERM);
    if (!waitEnded(pid, 2000)) {
        ::kill(-pid, SIGKILL);
        waitEnded(pid, 2000);
    }
    ::kill(-pid, SIGKILL); // any child left in the group
}

} // namespace

std::string ModbusServer::missing() {
    static const std::string why = [] {
        const pid_t pid = spawn({kPython, "-c", "import pymodbus, serial"}, -1, -1);
        int status = 0;
        if (pid < 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status) ||
            WEXITSTATUS(status) != 0)
            return std::string(kPython) + " has no pymodbus or pyserial";
        return std::string();
    }();
    return why;
}

ModbusServer::ModbusServer(const std::filesystem::path& folder, const Options& options) {
    std::signal(SIGPIPE, SIG_IGN); // a peer that ended answers a write with EPIPE instead
    if (options.rtu && !startSocat(folder))
        return;
    startScript(folder, options);
}

ModbusServer::~ModbusServer() {
    if (toScript_ >= 0)
        ::close(toScript_); // the script ends at the end of its input
    if (script_ > 0 && !waitEnded(script_, 2000))
        endGroup(script_);
    endGroup(socat_);
    if (fromScript_ >= 0)
        ::close(fromScript_);
}

bool ModbusServer::startSocat(const std::filesystem::path& folder) {
    const std::filesystem::path peer = folder / "peer";
    device_ = folder / "master";
    std::error_code ignored;
    std::filesystem::remove(peer, ignored);
    std::filesystem::remove(device_, ignored);
    socat_ = spawn({"/usr/bin/socat", "pty,raw,echo=0,link=" + peer.string(),
                    "pty,raw,echo=0,link=" + device_.string()},
                   -1, -1);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kStartMs);
    while (!std::filesystem::exists(peer) || !std::filesystem::exists(device_)) {
        if (socat_ < 0 || std::chrono::steady_clock::now() >= deadline) {
            failure_ = "socat made no pty pair in " + folder.string();
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

bool ModbusServer::startScript(const std::filesystem::path& folder, const Options& options) {
    int in[2];
    int out[2];
    if (::pipe2(in, O_CLOEXEC) != 0)
        return (failure_ = "no pipe"), false;
    if (::pipe2(out, O_CLOEXEC) != 0) {
        ::close(in[0]);
        ::close(in[1]);
        return (failure_ = "no pipe"), false;
    }
    std::vector<std::string> argv{kPython, ZORV_SOURCE_DIR "/tests/plc/modbus_server.py",
                                  options.rtu ? "rtu" : "tcp", "--units", options.units};
    if (options.rtu) {
        argv.insert(argv.end(), {"--device", (folder / "peer").string(), "--pace",
                                 std::to_string(options.paceBaud)});
    }
    script_ = spawn(argv, in[0], out[1]);
    ::close(in[0]);
    ::close(out[1]);
    toScript_ = in[1];
    fromScript_ = out[0];
    std::string line;
    if (script_ < 0 || !readLine(line, kStartMs) || line.rfind("listening ", 0) != 0) {
        failure_ = "the Modbus server did not start: " + line;
        return false;
    }
    if (!options.rtu)
        port_ = std::stoi(line.substr(10));
    return true;
}

bool ModbusServer::readLine(std::string& line, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        const size_t end = pending_.find('\n');
        if (end != std::string::npos) {
            line = pending_.substr(0, end);
            pending_.erase(0, end + 1);
            return true;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd fd{fromScript_, POLLIN, 0};
        if (left.count() <= 0 || ::poll(&fd, 1, int(left.count())) <= 0)
            return false;
        char buffer[512];
        const ssize_t n = ::read(fromScript_, buffer, sizeof buffer);
        if (n <= 0)
            return false;
        pending_.append(buffer, size_t(n));
    }
}

std::string ModbusServer::linkText() const {
    if (device_.empty())
        return "tcp://127.0.0.1:" + std::to_string(port_);
    return "rtu:" + device_.string() + ":9600,e,8,1";
}

void ModbusServer::pullCable() {
    endGroup(socat_);
    socat_ = -1;
}

std::string ModbusServer::command(const std::string& line) {
    const std::string text = line + "\n";
    std::string answer;
    if (!ready() || ::write(toScript_, text.data(), text.size()) != ssize_t(text.size()) ||
        !readLine(answer, kAnswerMs))
        return "error no answer from the Modbus server";
    return answer;
}

} // namespace zorv::test
