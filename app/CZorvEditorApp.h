#pragma once
// The application: the settings, the document, the main frame and its view, the command line,
// the recent files and the tip of the day.

#include <QObject>
#include <QStringList>
#include <memory>
#include <optional>

#include "app/RecentFileList.h"
#include "commands/ActionRegistry.h"
#include "model/CZorvEditorDoc.h"
#include "platform/FileViewer.h"
#include "platform/Paths.h"
#include "platform/Registry.h"
#include "platform/qt/FileChooser.h"
#include "platform/qt/QtPrompt.h"

namespace zorv {

class CMainFrame;
struct DeviceServices;
class CMemoryMeter;
class PanelPreview;
class ProjectOverviews;
class CZorvEditorView;
class RecoveryKeeper;
struct OrphanSnapshot;

// What the windows talk to; the real program passes the Qt and system forms, tests their
// doubles.
struct AppServices {
    Registry& registry;
    Prompt& prompt;
    FileChooser& files;
    const Paths& paths;
    // The desktop's viewer of the reports.
    FileViewer& viewer;
    // The serial ports, USB panels and converter of the download tool; none: no download.
    DeviceServices* devices = nullptr;
};

class CZorvEditorApp : public QObject {
    Q_OBJECT
public:
    explicit CZorvEditorApp(const AppServices& services, QObject* parent = nullptr);
    ~CZorvEditorApp() override;

    // Start-up: the frame with its view, the project named on the command line (`project`, may
    // be empty) and, when the settings ask for it, the tip of the day once the frame is up.
    // False when the project could not be opened: the document has said why, and the editor
    // goes on with a new project.
    bool start(const QString& project, bool showTip = true);

    // Opens a project as File > Open does, after the pending changes are dealt with.
    bool openProject(const QString& path);
    // The editor is ended from outside (shutdown, logout): the unsaved work goes into a last
    // snapshot that the next start offers, and the editor ends without asking.
    void endFromOutside();

    CMainFrame& frame() { return *frame_; }
    CZorvEditorView& view() { return *view_; }
    CMemoryMeter& memoryMeter() { return *meter_; }
    ProjectOverviews& overviews() { return *overviews_; }
    PanelPreview& preview() { return *preview_; }
    CZorvEditorDoc& document() { return *document_; }
    RecoveryKeeper& recovery() { return *recovery_; }
    ActionRegistry& actions() { return actions_; }
    const RecentFileList& recentFiles() const { return recent_; }

private:
    void connectCommands();
    // The Problems, Registers and Page Map overviews, the panel pixels and Simulate.
    void connectOverviews();
    void chooseAndOpen();
    void openRecent(int index);
    void showTipOfTheDay();
    void startCharacterTool();
    void updateTitle();
    // Offers the unsaved work that ended editors left (of `projectPath` only, when given).
    void offerRecovery(const std::optional<std::string>& projectPath = {});
    bool recover(OrphanSnapshot& orphan);
    // The title and the memory meter follow every change of the document.
    void documentChanged();

    AppServices services_;
    ActionRegistry actions_;
    RecentFileList recent_;
    std::unique_ptr<CZorvEditorDoc> document_;
    std::unique_ptr<RecoveryKeeper> recovery_;
    std::unique_ptr<CMainFrame> frame_;
    CZorvEditorView* view_ = nullptr;
    CMemoryMeter* meter_ = nullptr;
    ProjectOverviews* overviews_ = nullptr;
    PanelPreview* preview_ = nullptr;
};

} // namespace zorv
