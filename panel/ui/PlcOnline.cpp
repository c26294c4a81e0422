#include "panel/ui/PlcOnline.h"

namespace zorv::panel {

PlcOnline::PlcOnline(QObject* parent) : QObject(parent), worker_(new PlcLineWorker) {
    qRegisterMetaType<CycleResultPtr>();
    thread_.setObjectName(QStringLiteral("PLC line"));
    worker_->moveToThread(&thread_);
    connect(worker_, &PlcLineWorker::exchanged, this, &PlcOnline::exchanged);
    pause_.setSingleShot(true);
    connect(&pause_, &QTimer::timeout, this, &PlcOnline::cycle);
    thread_.start();
}

PlcOnline::~PlcOnline() {
    stop();
    thread_.quit();
    thread_.wait();
    delete worker_;
}

void PlcOnline::start(std::unique_ptr<plc::PlcLink> link, const PanelImage& image,
                      PanelMachine& machine, const plc::RegisterMap& map,
                      std::vector<ModbusRow> table) {
    stop();
    link_ = std::move(link);
    machine_ = &machine;
    session_ = std::make_unique<plc::PlcSession>(image, map, std::move(table));
    plc::PlcSession::attach(machine);
    cycle();
}

void PlcOnline::stop() {
    if (!session_)
        return;
    ++run_; // a result still on its way belongs to the run that ends here
    pause_.stop();
    busy_ = hurried_ = false;
    plc::PlcSession::detach(*machine_);
    session_.reset();
    machine_ = nullptr;
    // Closed after any exchange under way, on the thread that uses the line.
    QMetaObject::invokeMethod(worker_, [link = std::move(link_)] { link->disconnect(); });
}

void PlcOnline::hurry() {
    if (!session_ || machine_->registers().journal().empty())
        return;
    if (busy_)
        hurried_ = true;
    else
        cycle();
}

void PlcOnline::cycle() {
    if (!session_ || busy_)
        return;
    pause_.stop();
    busy_ = true;
    QMetaObject::invokeMethod(
        worker_, [worker = worker_, link = link_, plan = session_->plan(*machine_), run = run_] {
            auto result =
                std::make_shared<const plc::CycleResult>(plc::PlcSession::exchange(*link, plan));
            emit worker->exchanged(run, result);
        });
}

void PlcOnline::exchanged(quint64 run, const CycleResultPtr& result) {
    if (run != run_ || !session_)
        return;
    busy_ = false;
    session_->apply(*result, *machine_);
    emit cycled();
    if (!session_) // stopped by whoever followed the cycle
        return;
    if (hurried_) {
        hurried_ = false;
        cycle();
    } else {
        pause_.start(session_->settings().pacingMs);
    }
}

} // namespace zorv::panel
