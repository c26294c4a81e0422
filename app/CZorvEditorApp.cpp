#include "app/CZorvEditorApp.h"

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QFileInfo>
#include <QProcess>
#include <QStatusBar>
#include <QTimer>

#include "app/AppIdentity.h"
#include "app/CAboutDlg.h"
#include "app/CHistoryDlg.h"
#include "app/CMainFrame.h"
#include "app/CRecoveryDlg.h"
#include "app/CSaveDlg.h"
#include "app/CTipDlg.h"
#include "app/DiskChangeWatch.h"
#include "app/PanelPreview.h"
#include "app/ProjectOverviews.h"
#include "app/RecoveryKeeper.h"
#include "app/meter/CMemoryMeter.h"
#include "comm/ProjectReport.h"
#include "editor/CZorvEditorView.h"
#include "editor/FindCommands.h"
#include "editor/undo/EditHistory.h"
#include "image/ImageCompiler.h"
#include "image/Translator.h"

namespace zorv {

namespace {

inline constexpr const char* kOpenElsewhere =
    "This project is already open in another ZorvEditor window.";

std::string reportNotShownMessage(const std::filesystem::path& report) {
    return "No viewer could be started for the report. It was written to:\n" + report.string();
}

} // namespace

CZorvEditorApp::CZorvEditorApp(const AppServices& services, QObject* parent)
    : QObject(parent), services_(services), recent_(services.registry, kRecentFileCount) {
    DocumentHooks hooks;
    hooks.dropProjectReference = [this] {
        if (view_)
            view_->dropProject();
    };
    hooks.addRecentFile = [this](const std::filesystem::path& path) {
        recent_.add(path.string());
        if (frame_)
            frame_->setRecentFiles(recent_.paths());
    };
    hooks.askSaveTarget = [this]() -> std::optional<SaveTarget> {
        CSaveDlg dialog(services_.prompt, services_.files, services_.paths, frame_.get());
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.target();
    };
    hooks.stateChanged = [this] { documentChanged(); };
    hooks.diskChangeSettled = [this](bool reloaded) {
        if (!view_)
            return;
        if (reloaded)
            view_->initialUpdate();
        else
            view_->history().forgetSavedState();
    };
    // An imported project is unsaved: its pictures go where an unsaved project keeps them.
    hooks.translate = [this](std::span<const uint8_t> file, CHCData& project) {
        std::vector<RenumberedPage> renumbered;
        if (!CTranslator(document_->unsavedProjectFolder()).translate(file, project, &renumbered))
            return -1;
        // Pages that repeated a number are told with the numbers they now have.
        if (!renumbered.empty())
            services_.prompt.message(renumberedPagesWarning(renumbered));
        return 0;
    };
    hooks.makeReport = [this](const CHCData& project, const std::filesystem::path& modbusTable,
                              const std::string& title) {
        return makeProjectReport(services_.paths, project, modbusTable, title);
    };
    hooks.openFile = [this](const std::filesystem::path& file) {
        services_.viewer.show(file, [prompt = &services_.prompt, file] {
            prompt->message(reportNotShownMessage(file));
        });
    };
    document_ = std::make_unique<CZorvEditorDoc>(services_.prompt, services_.paths, hooks);
    recovery_ =
        std::make_unique<RecoveryKeeper>(*document_, services_.paths.workFolder(), kVersionLine);

    frame_ = std::make_unique<CMainFrame>(actions_);
    view_ =
        new CZorvEditorView(EditorServices{*document_, actions_, services_.prompt, services_.files,
                                           services_.paths, services_.registry, services_.devices},
                            frame_.get());
    frame_->setView(view_);
    connect(view_, &CZorvEditorView::pointerTextChanged, frame_.get(), &CMainFrame::setPointerText);
    meter_ = new CMemoryMeter([this] { return &document_->project(); }, services_.paths,
                              frame_->statusBar());
    frame_->addMessagePane(meter_);
    // A click on a refusal shows the page at fault.
    connect(meter_, &CMemoryMeter::pageRequested, view_, &CZorvEditorView::selectPage);
    frame_->setRecentFiles(recent_.paths());
    frame_->setCloseCheck([this] { return view_->closeRequested(); });
    new DiskChangeWatch(*frame_, *document_, this);
    connectOverviews();
    connectCommands();
    // Said once: editing goes on without snapshots.
    const auto snapshotsOff = [this](const QString& reason) {
        frame_->statusBar()->showMessage(tr("Recovery snapshots are off: %1").arg(reason));
    };
    connect(recovery_.get(), &RecoveryKeeper::unavailable, this, snapshotsOff);
    if (!recovery_->active())
        snapshotsOff(QString::fromStdString(recovery_->reason()));
}

void CZorvEditorApp::connectOverviews() {
    overviews_ = new ProjectOverviews(
        *frame_, services_.paths, [this] { return document_->modbusWorkingCopy().string(); }, this);
    frame_->addMessagePane(overviews_->countButton());
    preview_ = new PanelPreview(*view_, *document_, services_.paths, services_.prompt,
                                services_.registry, this);
    // The checks and the panel pixels follow each background compile.
    connect(meter_, &CMemoryMeter::statsShown, this, [this] {
        // The checks and the panel pixels need the image itself, compiled once here (a few
        // milliseconds): the meter's worker keeps only its figures.
        const CompileResult compiled = compileImage(document_->project(), services_.paths);
        overviews_->refresh(document_->project(), compiled.image, meter_->stats(),
                            &document_->tags());
        preview_->imageCompiled(compiled);
    });
    connect(overviews_, &ProjectOverviews::widgetRequested, view_, &CZorvEditorView::showWidget);
    new FindCommands(
        *document_, actions_, *view_,
        [this](QWidget* panel) {
            return overviews_->addDock(*frame_, tr("Find"), "findDock", panel);
        },
        this);
    const std::pair<CommandId, QDockWidget*> docks[] = {
        {CommandId::ViewProblems, overviews_->problemsDock()},
        {CommandId::ViewRegisters, overviews_->registersDock()},
        {CommandId::ViewPageMap, overviews_->pageMapDock()},
    };
    for (const auto& [id, dock] : docks) {
        QAction* action = actions_.action(id);
        actions_.handle(id, this, [dock, action] { dock->setVisible(action->isChecked()); });
        // The dock's own close box unchecks the entry too.
        connect(dock, &QDockWidget::visibilityChanged, action,
                [dock, action] { action->setChecked(!dock->isHidden()); });
    }
    QAction* pixels = actions_.action(CommandId::ViewPanelPixels);
    actions_.handle(CommandId::ViewPanelPixels, this, [this, pixels] {
        preview_->setPanelPixels(pixels->isChecked(), document_->project());
    });
    actions_.handle(CommandId::ToolSimulate, this, [this] {
        if (view_->commitProperties())
            preview_->simulate(document_->project());
    });
}

CZorvEditorApp::~CZorvEditorApp() {
    // The view holds references into the document's project: it goes first. Closing the
    // document then removes its working files.
    frame_.reset();
    recovery_.reset();
    document_->close();
}

bool CZorvEditorApp::start(const QString& project, bool showTip) {
    document_->newProject();
    view_->initialUpdate();
    documentChanged();
    // The window is up first, so that a message about the project shows over it.
    frame_->show();
    const bool opened = project.isEmpty() || openProject(project);
    offerRecovery();
    if (showTip && CTipDlg::showAtStartUp(services_.registry))
        QTimer::singleShot(0, this, &CZorvEditorApp::showTipOfTheDay);
    return opened;
}

bool CZorvEditorApp::openProject(const QString& path) {
    if (!view_->commitProperties())
        return false;
    const std::filesystem::path file = QFileInfo(path).absoluteFilePath().toStdString();
    if (recovery_->openElsewhere(file.string()) &&
        !services_.prompt.choose(kOpenElsewhere, tr("Open Anyway").toStdString(),
                                 tr("Cancel").toStdString()))
        return false;
    const bool opened = document_->open(file);
    if (opened) {
        recent_.add(file.string());
        frame_->setRecentFiles(recent_.paths());
        view_->initialUpdate();
    }
    documentChanged();
    if (opened && frame_->isVisible())
        offerRecovery(file.string());
    return opened;
}

void CZorvEditorApp::offerRecovery(const std::optional<std::string>& projectPath) {
    std::vector<OrphanSnapshot> orphans = recovery_->claimOrphans(projectPath);
    if (orphans.empty())
        return;
    CRecoveryDlg dialog(orphans, frame_.get());
    dialog.exec();
    if (dialog.chosen() >= 0)
        recover(orphans[std::size_t(dialog.chosen())]);
}

bool CZorvEditorApp::recover(OrphanSnapshot& orphan) {
    const RecoverySnapshot& snapshot = orphan.snapshot;
    if (!view_->commitProperties() ||
        !document_->openKept(snapshot.projectFile, snapshot.projectPath, snapshot.modbusTable,
                             snapshot.tagFile ? &*snapshot.tagFile : nullptr))
        return false;
    restoreSnapshotPictures(snapshot, document_->projectFolder());
    view_->initialUpdate();
    documentChanged();
    // The work is this editor's now: its own snapshot is on disk before the old one goes.
    recovery_->writeNow();
    RecoveryKeeper::discard(orphan);
    return true;
}

void CZorvEditorApp::endFromOutside() {
    recovery_->keepOnExit();
    recovery_->writeNow();
    // exit() rather than quit(): no window is asked whether it may close.
    QCoreApplication::exit(0);
}

void CZorvEditorApp::connectCommands() {
    actions_.handle(CommandId::FileOpen, this, [this] { chooseAndOpen(); });
    const CommandId recent[] = {CommandId::FileRecent1, CommandId::FileRecent2,
                                CommandId::FileRecent3, CommandId::FileRecent4};
    for (int i = 0; i < kRecentFileCount; ++i)
        actions_.handle(recent[i], this, [this, i] { openRecent(i); });
    frame_->setRecentFiles(recent_.paths());
    actions_.handle(CommandId::FileRestoreVersion, this, [this] {
        if (view_->commitProperties() &&
            restoreEarlierVersion(*document_, services_.paths, services_.prompt, frame_.get())) {
            view_->initialUpdate();
            documentChanged();
        }
    });
    actions_.handle(CommandId::AppExit, this, [this] { frame_->close(); });
    actions_.handle(CommandId::HelpAbout, this, [this] {
        CAboutDlg about(frame_.get());
        about.exec();
    });
    actions_.handle(CommandId::HelpTipOfTheDay, this, [this] { showTipOfTheDay(); });
    actions_.handle(CommandId::ToolCustomizeCharacter, this, [this] { startCharacterTool(); });
}

void CZorvEditorApp::chooseAndOpen() {
    const QString path =
        services_.files.openFile(frame_.get(), tr("Open"), QString(), qtFileFilter(kProjectFilter));
    if (!path.isEmpty())
        openProject(path);
}

void CZorvEditorApp::openRecent(int index) {
    if (index >= int(recent_.paths().size()))
        return;
    const std::string path = recent_.paths()[std::size_t(index)];
    // A recent project that can no longer be opened leaves the list; the document has said why.
    if (!openProject(QString::fromStdString(path)) &&
        !QFileInfo::exists(QString::fromStdString(path))) {
        recent_.remove(path);
        frame_->setRecentFiles(recent_.paths());
    }
}

void CZorvEditorApp::showTipOfTheDay() {
    CTipDlg tip(services_.registry, services_.paths, QLocale::system(), frame_.get());
    tip.exec();
}

void CZorvEditorApp::startCharacterTool() {
    // The character tool lies beside the editor's own program; a missing one is left to the
    // system's program start, without a message of ours.
    QProcess::startDetached(QCoreApplication::applicationDirPath() + "/FontMaker", {});
}

void CZorvEditorApp::documentChanged() {
    updateTitle();
    recovery_->documentChanged();
    if (meter_)
        meter_->projectChanged();
}

void CZorvEditorApp::updateTitle() {
    if (!frame_)
        return;
    frame_->setWindowTitle(QString::fromStdString(document_->title()) + "[*] - " + kAppTitle);
    frame_->setWindowModified(document_->modified());
}

} // namespace zorv
