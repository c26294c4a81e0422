#include "editor/ProjectCommands.h"

#include "checks/Checks.h"
#include "checks/HtmlReport.h"
#include "comm/ui/CDownloadDlg.h"
#include "comm/ui/CModbusDlg.h"
#include "comm/ui/DeviceServices.h"
#include "commands/ActionRegistry.h"
#include "editor/TagCommands.h"
#include "editor/TemplateCommands.h"
#include "editor/TextFileCommands.h"
#include "editor/undo/EditHistory.h"
#include "editor/undo/ReplaceProjectCmd.h"
#include "image/ImageCompiler.h"
#include "image/ui/CAlarmPageDlg.h"
#include "image/ui/CSettingDlg.h"
#include "model/CPage.h"
#include "model/CZorvEditorDoc.h"
#include "model/FileOps.h"
#include "platform/Paths.h"
#include "platform/Prompt.h"
#include "platform/Registry.h"
#include "platform/qt/FileChooser.h"

namespace zorv {

namespace {

constexpr int kTemporaryNameTries = 10;

} // namespace

std::string downloadWithErrorsQuestion(int errors) {
    return "The checks find " + std::to_string(errors) + (errors == 1 ? " error" : " errors") +
           " in the project: the panel will misbehave there (View > Problems lists them). "
           "Download all the same?";
}

ProjectCommands::ProjectCommands(const EditorServices& services, CZorvEditorView& view)
    : QObject(&view), services_(services), view_(view) {
    ActionRegistry& actions = services_.actions;
    actions.handle(CommandId::FileNew, this, [this] { newProject(); });
    actions.handle(CommandId::FileSave, this, [this] { save(); });
    actions.handle(CommandId::FileSaveAs, this, [this] { saveAs(); });
    actions.handle(CommandId::FileImport, this, [this] { importOld(); });
    actions.handle(CommandId::ToolParameter, this, [this] { parameters(); });
    actions.handle(CommandId::PageAlarmList, this, [this] { alarmList(); });
    actions.handle(CommandId::ToolReport, this, [this] { report(); });
    actions.handle(CommandId::ToolReportHtml, this, [this] { htmlReport(); });
    if (services_.devices) {
        actions.handle(CommandId::ToolDownload, this, [this] { download(); });
        actions.handle(CommandId::ToolModbus, this, [this] { modbusTable(); });
    }
    new TextFileCommands(services_, view_);
    new TemplateCommands(services_, view_);
    new TagCommands(services_, view_);
}

bool ProjectCommands::saveTo(const SaveTarget& target) {
    const bool saved = services_.document.saveAs(target);
    // The pictures now live beside the project file.
    view_.refreshProjectContext();
    return saved;
}

bool ProjectCommands::saveUntitled() {
    const bool saved = services_.document.saveUntitled();
    // The pictures now live beside the project file.
    view_.refreshProjectContext();
    return saved;
}

bool ProjectCommands::save() {
    if (!view_.commitProperties())
        return false;
    CZorvEditorDoc& doc = services_.document;
    if (doc.path().empty())
        return saveUntitled();
    return doc.save(doc.path());
}

bool ProjectCommands::saveAs() {
    if (!view_.commitProperties())
        return false;
    const std::optional<SaveTarget> target = services_.document.askSaveTarget();
    if (!target || target->name.empty())
        return false;
    return saveTo(*target);
}

void ProjectCommands::newProject() {
    if (view_.commitProperties() && services_.document.newProject())
        view_.initialUpdate();
}

void ProjectCommands::importOld() {
    CZorvEditorDoc& doc = services_.document;
    if (!view_.commitProperties() || !doc.saveModified())
        return;
    const QString file =
        services_.files.openFile(&view_, tr("Open"), QString(), qtFileFilter(kImportFilter));
    if (file.isEmpty())
        return;
    // The save question is answered: the import does not ask it again. A file that cannot be
    // read leaves the project with its edits and their undo history as they were; a failed
    // translation leaves a new, empty project, which the view shows anew as a new project.
    if (doc.importOld(file.toStdString(), true) || doc.project().pageCount() == 0)
        view_.initialUpdate();
}

void ProjectCommands::recordProjectEdit(const char* name, ProjectState before) {
    CHCData& project = services_.document.project();
    const int page = view_.currentPage() ? view_.currentPage()->number() : 0;
    view_.pushEdit(std::make_unique<ReplaceProjectCmd>(
        name, project, std::move(before), ProjectState::of(project, false), page, page));
}

void ProjectCommands::parameters() {
    CHCData& project = services_.document.project();
    ProjectState before = ProjectState::of(project, false);
    CSettingDlg dialog(project.header, services_.prompt, &view_);
    if (dialog.exec() != QDialog::Accepted)
        return;
    recordProjectEdit("Parameter Setting", std::move(before));
    view_.refreshProjectContext();
}

void ProjectCommands::alarmList() {
    CHCData& project = services_.document.project();
    ProjectState before = ProjectState::of(project, false);
    CAlarmPageDlg dialog(project.alarmList, services_.prompt, services_.files, &view_);
    if (dialog.exec() == QDialog::Accepted)
        recordProjectEdit("Alarm List", std::move(before));
}

void ProjectCommands::report() {
    if (view_.commitProperties())
        services_.document.openReport();
}

void ProjectCommands::htmlReport() {
    if (!view_.commitProperties())
        return;
    CZorvEditorDoc& doc = services_.document;
    const GlyphSources fonts = readGlyphSources(services_.paths);
    const CompileResult compiled = compileImage(doc.project(), fonts);
    const CompileStats stats = compiled.ok ? imageStats(compiled.image, compiled.glyphCount)
                                           : compileStats(doc.project(), fonts);
    const std::vector<ModbusRow> modbus = modbusRowsOrNone(doc.modbusWorkingCopy());
    CheckInput input{doc.project(), &stats, modbus, compiled.image};
    input.tags = &doc.tags();
    setLibrarySizes(input, fonts);
    const std::time_t now = std::time(nullptr);
    const auto file = storeHtmlReport(services_.paths, input, doc.title(), *std::localtime(&now));
    if (!file) {
        services_.prompt.message(docmsg::kReportFailed);
        return;
    }
    doc.showFile(*file);
}

std::filesystem::path ProjectCommands::downloadImagePath() const {
    const Paths& paths = services_.paths;
    for (int i = 0; i < kTemporaryNameTries; ++i) {
        if (auto name = paths.makeTempFile(paths.tempFolder(), "zvd"))
            return *name;
    }
    return kFallbackImageName;
}

void ProjectCommands::download() {
    if (!view_.commitProperties())
        return;
    CZorvEditorDoc& doc = services_.document;
    if (doc.path().empty()) {
        if (!saveUntitled())
            return;
    } else if (!doc.settleDiskChange() || !doc.saveModified()) {
        // Another program's change of the file is settled first, even when nothing is to be
        // saved; a reloaded project is shown before it goes to the panel.
        return;
    }

    const std::filesystem::path image = downloadImagePath();
    const CompileResult compiled = compileImage(doc.project(), services_.paths);
    if (!compiled.ok || !fileops::writeFile(image, compiled.image)) {
        if (!compiled.message.empty())
            services_.prompt.message(compiled.message);
        fileops::removeFile(image);
        return;
    }
    if (!errorsAccepted(compiled)) {
        fileops::removeFile(image);
        return;
    }
    if (services_.registry.intValue("Export", 0) == 1) {
        std::filesystem::path beside = doc.path();
        fileops::copyOver(image, beside.replace_extension(".hc"));
    }

    // The image was compiled from a working copy: the project in memory, with any edits the
    // user chose not to save, stays as it is.
    CDownloadDlg tool(image, modbusFilesOf(doc), *services_.devices, &view_);
    tool.exec();
    fileops::removeFile(image);
}

bool ProjectCommands::errorsAccepted(const CompileResult& compiled) {
    const CZorvEditorDoc& doc = services_.document;
    const CompileStats stats = imageStats(compiled.image, compiled.glyphCount);
    const int errors = errorCount(checkProject(doc.project(), compiled.image, stats,
                                               modbusRowsOrNone(doc.modbusWorkingCopy()),
                                               readGlyphSources(services_.paths)));
    return errors == 0 || services_.prompt.yes(downloadWithErrorsQuestion(errors));
}

void ProjectCommands::modbusTable() {
    CModbusDlg dialog(modbusFilesOf(services_.document), *services_.devices, &view_);
    // The table travels with the project file: a changed one is saved with it. It is not an
    // edit of the project, so no undo leads back to the saved state any more.
    if (dialog.exec() == QDialog::Accepted) {
        view_.history().forgetSavedState();
        services_.document.setModified(true);
    }
}

bool ProjectCommands::exitAllowed() {
    if (!view_.commitProperties())
        return false;
    CZorvEditorDoc& doc = services_.document;
    // A project without a file is asked about too, so that cancelling its save dialog keeps
    // the editor open instead of throwing the project away.
    if (!doc.saveModified(docmsg::kSaveUntitledChanges))
        return false;
    // Answered No: the window closes without asking again.
    doc.setModified(false);
    return true;
}

} // namespace zorv
