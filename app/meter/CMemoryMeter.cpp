#include "app/meter/CMemoryMeter.h"

#include "app/meter/MeterWorker.h"
#include "model/ProjectStream.h"

namespace zorv {

namespace {

// The page a click on a refusal shows, or -1.
int refusedPage(const CompileStats& stats) {
    if (stats.ok || !stats.refusedAt)
        return -1;
    return stats.refusedAt->pageNumber;
}

} // namespace

CMemoryMeter::CMemoryMeter(ProjectSource project, const Paths& paths, QWidget* parent)
    : QToolButton(parent), project_(std::move(project)) {
    qRegisterMetaType<zorv::CompileStats>();
    setAutoRaise(true);
    setAutoFillBackground(true);
    // A screen reader reads the figures, the button's text; the description tells the role.
    setAccessibleDescription(tr("Memory meter"));
    setText(tr("Measuring the project..."));

    debounce_.setSingleShot(true);
    debounce_.setInterval(kDebounceMs);
    connect(&debounce_, &QTimer::timeout, this, &CMemoryMeter::recompute);
    connect(this, &QToolButton::clicked, this, &CMemoryMeter::onClicked);

    auto* worker = new MeterWorker(paths, latest_);
    worker->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, worker, &QObject::deleteLater);
    connect(worker, &MeterWorker::computed, this, &CMemoryMeter::onComputed);
    thread_.start();
    worker_ = worker;
}

CMemoryMeter::~CMemoryMeter() {
    ++latest_; // a compile under way skips its result
    thread_.quit();
    thread_.wait();
}

void CMemoryMeter::projectChanged() {
    ++latest_;
    debounce_.start();
}

void CMemoryMeter::recompute() {
    const CHCData* project = project_ ? project_() : nullptr;
    if (!project)
        return;
    std::vector<uint8_t> stream;
    writeProjectStream(*project, stream);
    const quint64 generation = ++latest_;
    const QByteArray bytes(reinterpret_cast<const char*>(stream.data()), qsizetype(stream.size()));
    QMetaObject::invokeMethod(
        worker_, [worker = worker_, generation, bytes] { worker->compute(generation, bytes); });
}

void CMemoryMeter::onComputed(quint64 generation, const zorv::CompileStats& stats) {
    if (generation == latest_.load())
        showStats(stats);
}

void CMemoryMeter::showStats(const CompileStats& stats) {
    stats_ = stats;
    const MeterLevel level = meterLevel(stats);
    // A library character "&C1" in a message is shown as typed, not as a mnemonic.
    setText(QString::fromStdString(meterSummary(stats)).replace('&', "&&"));
    QString tip = QString::fromStdString(meterBreakdown(stats));
    const int page = refusedPage(stats);
    if (page >= 0)
        tip += "\n" + tr("Click to show page %1.").arg(page);
    setToolTip(tip);
    setAccessibleDescription(tr("Memory meter") + ": " + tip);
    setCursor(page >= 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
    applyColours(level);
    emit statsShown();
}

void CMemoryMeter::onClicked() {
    const int page = refusedPage(stats_);
    if (page >= 0)
        emit pageRequested(page);
}

// An empty palette takes every colour from the status bar again.
void CMemoryMeter::applyColours(MeterLevel level) {
    QPalette colours;
    if (level != MeterLevel::Normal) {
        const QColor back = level == MeterLevel::Warning ? warningColor() : errorColor();
        const QColor text = level == MeterLevel::Warning ? QColor(Qt::black) : QColor(Qt::white);
        for (auto role : {QPalette::Window, QPalette::Button})
            colours.setColor(role, back);
        for (auto role : {QPalette::WindowText, QPalette::ButtonText})
            colours.setColor(role, text);
    }
    setPalette(colours);
}

} // namespace zorv
