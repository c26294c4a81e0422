#pragma once
// The overviews of the open project beside the editing view: the "Problems" list of the project
// checks with its count in the status bar, the "Registers" cross-reference and the "Page Map".
// They follow each background compile of the memory meter; a double-click on a problem or a
// register use shows its page and selects its widget, one on a page of the map shows the page.

#include <QObject>
#include <functional>
#include <span>

#include "checks/Finding.h"
#include "checks/PageGraph.h"

class QDockWidget;
class QMainWindow;
class QToolButton;

namespace zorv {

class CHCData;
class CPageMapView;
class CProblemsList;
class CRegistersList;
class Paths;
class TagTable;
struct CompileStats;

class ProjectOverviews : public QObject {
    Q_OBJECT
public:
    // `modbusTable` gives the path of the document's working copy of the Modbus table.
    ProjectOverviews(QMainWindow& frame, const Paths& paths,
                     std::function<std::string()> modbusTable, QObject* parent = nullptr);

    // The count beside the memory meter ("2 errors, 1 warning"); a click shows the Problems.
    QToolButton* countButton() const { return count_; }

    // Runs the checks on the project with its image, the compile's figures and the tags beside
    // it, and refreshes every overview.
    void refresh(const CHCData& project, std::span<const uint8_t> image, const CompileStats& stats,
                 const TagTable* tags = nullptr);
    const Findings& findings() const { return findings_; }

    CProblemsList* problems() const { return problems_; }
    CRegistersList* registers() const { return registers_; }
    CPageMapView* pageMap() const { return map_; }
    QDockWidget* problemsDock() const { return problemsDock_; }
    QDockWidget* registersDock() const { return registersDock_; }
    QDockWidget* pageMapDock() const { return mapDock_; }

    // A dock of the frame for `content`, floating beside the frame until it is shown; hidden.
    QDockWidget* addDock(QMainWindow& frame, const QString& title, const QString& name,
                         QWidget* content);

signals:
    // A double-click on a row that names a widget (0: the page itself).
    void widgetRequested(int page, int widgetId);

private:
    void showCounts(int errors, int warnings);

    const Paths& paths_;
    std::function<std::string()> modbusTable_;
    Findings findings_;
    PageGraph pendingGraph_; // the graph of the last refresh, laid out when the map shows
    CProblemsList* problems_;
    CRegistersList* registers_;
    CPageMapView* map_;
    QDockWidget* problemsDock_;
    QDockWidget* registersDock_;
    QDockWidget* mapDock_;
    QToolButton* count_;
};

} // namespace zorv
