#pragma once
// Compiles snapshots of the project for the memory meter on a thread of its own, so that typing
// never waits for a compile. A request that a newer one has superseded is skipped.

#include <QByteArray>
#include <QObject>
#include <atomic>

#include "image/CompileStats.h"
#include "platform/Paths.h"

namespace zorv {

class MeterWorker : public QObject {
    Q_OBJECT
public:
    // `latest` is the newest request's generation, raised by the meter on the window's thread.
    MeterWorker(const Paths& paths, const std::atomic<quint64>& latest)
        : paths_(paths), latest_(latest) {}

public slots:
    // `projectStream` is the project's plain stream at the time of the request.
    void compute(quint64 generation, const QByteArray& projectStream);

signals:
    void computed(quint64 generation, const zorv::CompileStats& stats);

private:
    const Paths& paths_;
    const std::atomic<quint64>& latest_;
};

} // namespace zorv

Q_DECLARE_METATYPE(zorv::CompileStats)
