#include "sim/PtyLink.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace zorv::sim {

using Clock = std::chrono::steady_clock;

PtyLink::PtyLink() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0)
        return;
    if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
        ::close(master_);
        master_ = -1;
        return;
    }
    path_ = ::ptsname(master_);
    slave_ = ::open(path_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios t{};
    if (slave_ >= 0 && ::tcgetattr(slave_, &t) == 0) {
        ::cfmakeraw(&t);
        ::tcsetattr(slave_, TCSANOW, &t);
    }
}

PtyLink::~PtyLink() {
    if (slave_ >= 0)
        ::close(slave_);
    if (master_ >= 0)
        ::close(master_);
}

std::chrono::nanoseconds PtyLink::charTime() const {
    return baud_ > 0 ? std::chrono::nanoseconds(10'000'000'000LL / baud_)
                     : std::chrono::nanoseconds(0);
}

namespace {
// Sleeps for `length`, in short steps so that a stop is not kept waiting.
void standStill(std::chrono::milliseconds length, const std::atomic<bool>& stop) {
    const auto until = Clock::now() + length;
    while (!stop.load() && Clock::now() < until)
        std::this_thread::sleep_for(
            std::min<Clock::duration>(std::chrono::milliseconds(20), until - Clock::now()));
}
} // namespace

void PtyLink::serve(PanelDevice& device, const std::atomic<bool>& stop,
                    std::chrono::milliseconds limit) {
    const auto started = Clock::now();
    // When the last byte received so far has fully arrived on the emulated line.
    Clock::time_point lineFree = started;
    bool stalled = false;
    uint8_t buffer[512];
    while (!stop.load()) {
        if (limit.count() > 0 && Clock::now() - started >= limit)
            return;
        pollfd p{master_, POLLIN, 0};
        const int r = ::poll(&p, 1, 20);
        if (r < 0 && errno != EINTR)
            return;
        if (r <= 0 || !(p.revents & POLLIN)) {
            if (p.revents & (POLLHUP | POLLERR))
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            continue;
        }
        const ssize_t n = ::read(master_, buffer, sizeof buffer);
        if (n <= 0)
            continue;
        lineFree = std::max(lineFree, Clock::now());
        for (ssize_t i = 0; i < n && !stop.load(); ++i) {
            lineFree += charTime();
            std::vector<uint8_t> reply = device.receive(buffer[i]);
            if (reply.empty())
                continue;
            // The panel answers after the request has arrived; its reply takes the line too.
            lineFree += charTime() * long(reply.size());
            std::this_thread::sleep_until(lineFree);
            (void)!::write(master_, reply.data(), reply.size());
            if (!stalled && stall_.pause.count() > 0 &&
                device.blocksServed() >= stall_.afterBlocks) {
                stalled = true;
                standStill(stall_.pause, stop);
                lineFree = Clock::now();
            }
        }
    }
}

} // namespace zorv::sim
