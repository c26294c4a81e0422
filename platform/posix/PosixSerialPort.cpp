#include "platform/posix/PosixSerialPort.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <poll.h>
#include <sstream>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <termios.h>
#include <unistd.h>

#include "platform/FileRead.h"

namespace zorv {

namespace {

using Clock = std::chrono::steady_clock;

speed_t speedOf(int baud) {
    switch (baud) {
    case 1200:
        return B1200;
    case 2400:
        return B2400;
    case 4800:
        return B4800;
    case 9600:
        return B9600;
    case 19200:
        return B19200;
    case 38400:
        return B38400;
    case 57600:
        return B57600;
    case 115200:
        return B115200;
    default:
        return B0;
    }
}

bool isPseudoTerminal(int fd) {
    struct stat st {};
    return ::fstat(fd, &st) == 0 && major(st.st_rdev) >= 136 && major(st.st_rdev) <= 143;
}

int msLeft(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? int(left) : 0;
}

class PosixSerialPort : public SerialPort {
public:
    explicit PosixSerialPort(int fd) : fd_(fd) {}
    ~PosixSerialPort() override {
        int bits = TIOCM_DTR;
        ::ioctl(fd_, TIOCMBIC, &bits);
        ::tcflush(fd_, TCIOFLUSH);
        // Exclusive mode outlives this descriptor while others hold the line open.
        ::ioctl(fd_, TIOCNXCL);
        ::close(fd_);
    }
    bool purge() override { return ::tcflush(fd_, TCIOFLUSH) == 0; }

    std::size_t write(std::span<const uint8_t> bytes, std::chrono::milliseconds total) override {
        const auto deadline = Clock::now() + total;
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
            if (n > 0) {
                done += std::size_t(n);
                continue;
            }
            if (n < 0 && errno != EAGAIN && errno != EINTR)
                break;
            pollfd p{fd_, POLLOUT, 0};
            if (::poll(&p, 1, msLeft(deadline)) <= 0)
                break;
        }
        return done;
    }

    std::size_t read(std::span<uint8_t> out, std::chrono::milliseconds total) override {
        const auto deadline = Clock::now() + total;
        std::size_t done = 0;
        while (done < out.size()) {
            pollfd p{fd_, POLLIN, 0};
            const int r = ::poll(&p, 1, msLeft(deadline));
            if (r < 0 && errno == EINTR)
                continue;
            if (r <= 0 || !(p.revents & POLLIN))
                break;
            const ssize_t n = ::read(fd_, out.data() + done, out.size() - done);
            if (n > 0)
                done += std::size_t(n);
            else if (n == 0 || (errno != EAGAIN && errno != EINTR))
                break;
        }
        return done;
    }

private:
    int fd_;
};

// A standard ttyS line whose UART type is 0: the kernel keeps it, but no chip answers there.
bool withoutUart(const std::filesystem::path& ttyClass, const std::string& name) {
    return readNumberFile(ttyClass / name / "type") == 0;
}

} // namespace

std::vector<std::string> serialPortsIn(const std::filesystem::path& devices,
                                       const std::filesystem::path& ttyClass) {
    std::vector<std::string> found;
    std::error_code ec;
    for (const std::string prefix : {"ttyS", "ttyUSB", "ttyACM"}) {
        std::vector<std::string> group;
        for (const auto& entry : std::filesystem::directory_iterator(devices, ec)) {
            const std::string name = entry.path().filename().string();
            if (name.rfind(prefix, 0) == 0 && name.size() > prefix.size() &&
                std::isdigit(static_cast<unsigned char>(name[prefix.size()])) &&
                !(prefix == "ttyS" && withoutUart(ttyClass, name)))
                group.push_back(entry.path().string());
        }
        // ttyS2 before ttyS10
        std::sort(group.begin(), group.end(), [](const std::string& a, const std::string& b) {
            return a.size() != b.size() ? a.size() < b.size() : a < b;
        });
        found.insert(found.end(), group.begin(), group.end());
    }
    return found;
}

std::vector<std::string> PosixSerialPortSystem::ports() const {
    if (only_)
        return *only_;
    std::vector<std::string> found = serialPortsIn("/dev", "/sys/class/tty");
    if (const char* extra = std::getenv("ZORV_SERIAL_PORTS")) {
        std::stringstream in(extra);
        for (std::string path; std::getline(in, path, ':');)
            if (!path.empty())
                found.push_back(path);
    }
    return found;
}

std::unique_ptr<SerialPort> PosixSerialPortSystem::open(const std::string& path,
                                                        const SerialSettings& settings,
                                                        std::string& why) {
    const speed_t speed = speedOf(settings.baud);
    if (speed == B0) {
        why = "the speed " + std::to_string(settings.baud) + " is not supported";
        return nullptr;
    }
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        why = std::strerror(errno);
        return nullptr;
    }
    auto fail = [fd, &why] {
        why = errno == ENOTTY ? "not a serial port" : std::strerror(errno);
        ::close(fd);
        return nullptr;
    };
    // Not shared: a second opener is refused while we hold the port.
    if (::ioctl(fd, TIOCEXCL) != 0)
        return fail();
    termios t{};
    if (::tcgetattr(fd, &t) != 0)
        return fail();
    ::cfmakeraw(&t);
    t.c_cflag &= ~tcflag_t(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
    static constexpr tcflag_t kSizes[] = {CS5, CS6, CS7, CS8};
    t.c_cflag |= kSizes[settings.dataBits - 5] | CREAD | CLOCAL;
    if (settings.parity != 'n')
        t.c_cflag |= PARENB | (settings.parity == 'o' ? PARODD : 0);
    if (settings.stopBits == 2)
        t.c_cflag |= CSTOPB;
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    if (::cfsetispeed(&t, speed) != 0 || ::cfsetospeed(&t, speed) != 0)
        return fail();
    // A pseudo-terminal has no framing and may report the settings as not taken; it carries
    // the bytes all the same.
    if (::tcsetattr(fd, TCSANOW, &t) != 0 && !isPseudoTerminal(fd))
        return fail();
    ::tcflush(fd, TCIOFLUSH);
    // Pseudo-terminals have no modem lines; DTR is raised where there is one.
    int bits = TIOCM_DTR;
    ::ioctl(fd, TIOCMBIS, &bits);
    return std::make_unique<PosixSerialPort>(fd);
}

} // namespace zorv
