#pragma once
// The simulator run against a PLC: the session's cycles planned and applied on the window's
// thread, their exchange with the PLC on the line's own thread, so that a slow or silent line
// never holds the window. One cycle is under way at a time; the next starts after the
// session's pause, or at once when the panel wrote something.

#include <QObject>
#include <QThread>
#include <QTimer>
#include <memory>
#include <vector>

#include "comm/ModbusTable.h"
#include "plc/PlcSession.h"

namespace zorv::panel {

using CycleResultPtr = std::shared_ptr<const plc::CycleResult>;

// Lives on the line's thread and hands each exchange's result back.
class PlcLineWorker : public QObject {
    Q_OBJECT
signals:
    void exchanged(quint64 run, zorv::panel::CycleResultPtr result);
};

class PlcOnline : public QObject {
    Q_OBJECT
public:
    explicit PlcOnline(QObject* parent = nullptr);
    // Ends the run; waits for an exchange under way to end.
    ~PlcOnline() override;

    // Runs cycles for the machine over the link (which connects on the line's thread). The
    // image and the machine must outlive the run: stop() before either goes.
    void start(std::unique_ptr<plc::PlcLink> link, const PanelImage& image, PanelMachine& machine,
               const plc::RegisterMap& map, std::vector<ModbusRow> table);
    // Ends the run at once: a cycle under way is let go and its result dropped; the line is
    // closed on its own thread.
    void stop();
    bool running() const { return session_ != nullptr; }
    const plc::PlcSession* session() const { return session_.get(); }
    // The next cycle now rather than after the pause when the panel wrote something, so that
    // the write goes out at once.
    void hurry();

signals:
    // After each cycle's values reached the machine.
    void cycled();

private:
    void cycle();
    void exchanged(quint64 run, const CycleResultPtr& result);

    QThread thread_;
    PlcLineWorker* worker_; // on thread_
    std::shared_ptr<plc::PlcLink> link_;
    std::unique_ptr<plc::PlcSession> session_;
    PanelMachine* machine_ = nullptr;
    QTimer pause_;
    quint64 run_ = 0;
    bool busy_ = false, hurried_ = false;
};

} // namespace zorv::panel
