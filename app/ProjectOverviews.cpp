#include "app/ProjectOverviews.h"

#include <QDockWidget>
#include <QMainWindow>
#include <QToolButton>

#include "app/WindowPlacement.h"
#include "checks/Checks.h"
#include "checks/PageGraph.h"
#include "checks/RegisterUses.h"
#include "checks/ui/CPageMapView.h"
#include "checks/ui/CProblemsList.h"
#include "checks/ui/CRegistersList.h"
#include "image/GlyphFiles.h"

namespace zorv {

ProjectOverviews::ProjectOverviews(QMainWindow& frame, const Paths& paths,
                                   std::function<std::string()> modbusTable, QObject* parent)
    : QObject(parent), paths_(paths), modbusTable_(std::move(modbusTable)) {
    problems_ = new CProblemsList;
    registers_ = new CRegistersList;
    map_ = new CPageMapView;
    problemsDock_ = addDock(frame, tr("Problems"), "problemsDock", problems_);
    registersDock_ = addDock(frame, tr("Registers"), "registersDock", registers_);
    mapDock_ = addDock(frame, tr("Page Map"), "pageMapDock", map_);

    count_ = new QToolButton;
    count_->setObjectName("problemCount");
    count_->setAutoRaise(true);
    count_->setAccessibleDescription(tr("Problems of the project"));
    count_->setToolTip(tr("Show the problems of the project"));
    connect(count_, &QToolButton::clicked, this, [this] {
        problemsDock_->show();
        problemsDock_->raise();
    });
    showCounts(0, 0);

    connect(problems_, &CProblemsList::findingActivated, this, [this](int page, int widget) {
        if (page >= 0)
            emit widgetRequested(page, widget);
    });
    connect(registers_, &CRegistersList::useActivated, this, &ProjectOverviews::widgetRequested);
    connect(map_, &CPageMapView::pageRequested, this,
            [this](int page) { emit widgetRequested(page, 0); });
    connect(problems_, &CProblemsList::countsChanged, this, &ProjectOverviews::showCounts);
    // The map is laid out only when it is looked at.
    connect(mapDock_, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible && !pendingGraph_.pages.empty())
            map_->setGraph(pendingGraph_);
    });
}

QDockWidget* ProjectOverviews::addDock(QMainWindow& frame, const QString& title,
                                       const QString& name, QWidget* content) {
    auto* dock = new QDockWidget(title, &frame);
    dock->setObjectName(name);
    dock->setAccessibleName(title);
    dock->setWidget(content);
    frame.addDockWidget(Qt::BottomDockWidgetArea, dock);
    // The editing view keeps its fixed layout: an overview opens as a window of its own beside
    // the frame, and can be docked where the frame has room.
    dock->setFloating(true);
    dock->resize(860, 320);
    dock->hide();
    // First shown beside the frame, one below the other, so that neither hides the other.
    const int index = int(frame.findChildren<QDockWidget*>().size()) - 1;
    connect(dock, &QDockWidget::visibilityChanged, dock, [dock, &frame, index](bool visible) {
        if (!visible || dock->property("placed").toBool())
            return;
        dock->setProperty("placed", true);
        dock->move(besideWindow(frame, dock->size(), index));
    });
    return dock;
}

void ProjectOverviews::refresh(const CHCData& project, std::span<const uint8_t> image,
                               const CompileStats& stats, const TagTable* tags) {
    const std::vector<ModbusRow> modbus = modbusRowsOrNone(modbusTable_());
    findings_ = checkProject(project, image, stats, modbus, readGlyphSources(paths_), tags);
    problems_->setFindings(findings_);
    registers_->setUses(registerUses(project, modbus), tags);
    pendingGraph_ = pageGraph(project);
    if (mapDock_->isVisible())
        map_->setGraph(pendingGraph_);
}

void ProjectOverviews::showCounts(int errors, int warnings) {
    if (errors == 0 && warnings == 0) {
        count_->setText(tr("No problems"));
        return;
    }
    auto counted = [](int n, const QString& one, const QString& many) {
        return QString::number(n) + " " + (n == 1 ? one : many);
    };
    count_->setText(counted(errors, tr("error"), tr("errors")) + ", " +
                    counted(warnings, tr("warning"), tr("warnings")));
}

} // namespace zorv
