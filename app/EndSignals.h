#pragma once
// The signals that end the editor from outside (SIGTERM at shutdown, SIGHUP at logout),
// turned into a call on the user-interface thread: the handler only writes a byte into a
// socket pair whose other end the event loop watches.

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace zorv {

class EndSignals : public QObject {
    // No signals or slots of its own: only the notifier is connected.
public:
    // `onEnd` runs on the user-interface thread once a signal has arrived.
    explicit EndSignals(std::function<void(int signal)> onEnd, QObject* parent = nullptr);
    ~EndSignals() override;

private:
    void arrived();

    std::function<void(int)> onEnd_;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace zorv
