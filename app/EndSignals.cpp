#include "app/EndSignals.h"

#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace zorv {

namespace {

int pipeEnds[2] = {-1, -1};
constexpr int kSignals[] = {SIGTERM, SIGHUP};

void onSignal(int signal) {
    const unsigned char byte = static_cast<unsigned char>(signal);
    // Nothing else is safe here; a full pipe already holds a wake-up.
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[0], &byte, 1);
}

} // namespace

EndSignals::EndSignals(std::function<void(int)> onEnd, QObject* parent)
    : QObject(parent), onEnd_(std::move(onEnd)) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, pipeEnds) != 0)
        return;
    notifier_ = new QSocketNotifier(pipeEnds[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &EndSignals::arrived);
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kSignals)
        ::sigaction(signal, &action, nullptr);
}

EndSignals::~EndSignals() {
    for (int signal : kSignals)
        ::signal(signal, SIG_DFL);
    for (int& end : pipeEnds) {
        if (end >= 0)
            ::close(end);
        end = -1;
    }
}

void EndSignals::arrived() {
    unsigned char byte = 0;
    if (::read(pipeEnds[1], &byte, 1) == 1 && onEnd_)
        onEnd_(byte);
}

} // namespace zorv
