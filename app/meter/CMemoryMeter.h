#pragma once
// The memory meter of the status bar: the project's image size and characters against the
// panel's limits ("31.2 KB of 56 KB, 312/512 characters"), warning past 90 % and an error past
// either limit, with the sections and largest pages in its tooltip. A refused compile shows its
// reason; a click on it asks for the page at fault. The compile runs on a worker thread, a
// moment after the last change.

#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <atomic>
#include <functional>

#include "image/MemoryMeterText.h"
#include "model/CHCData.h"
#include "platform/Paths.h"

namespace zorv {

class MeterWorker;

class CMemoryMeter : public QToolButton {
    Q_OBJECT
public:
    static constexpr int kDebounceMs = 300;

    // The project the document holds now (nullptr: none); asked on the window's thread when a
    // recompute starts. `paths` finds the font files and must outlive the meter.
    using ProjectSource = std::function<const CHCData*()>;
    CMemoryMeter(ProjectSource project, const Paths& paths, QWidget* parent = nullptr);
    ~CMemoryMeter() override;

    // Restarts the wait before the next recompute; a result still on its way is dropped.
    void projectChanged();
    // Shows a result: text, colour and tooltip.
    void showStats(const CompileStats& stats);

    const CompileStats& stats() const { return stats_; }
    MeterLevel level() const { return meterLevel(stats_); }

    static QColor warningColor() { return QColor(0xFF, 0xD5, 0x4F); }
    static QColor errorColor() { return QColor(0xC6, 0x28, 0x28); }

signals:
    // A click on a refusal that names a page.
    void pageRequested(int pageNumber);
    // After each result is shown.
    void statsShown();

private:
    void recompute();
    void onComputed(quint64 generation, const zorv::CompileStats& stats);
    void onClicked();
    void applyColours(MeterLevel level);

    ProjectSource project_;
    QTimer debounce_;
    QThread thread_;
    MeterWorker* worker_ = nullptr; // lives on thread_, deleted when it finishes
    std::atomic<quint64> latest_{0};
    CompileStats stats_;
};

} // namespace zorv
