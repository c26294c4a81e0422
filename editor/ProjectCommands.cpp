#include "editor/ProjectCommands.h"

#include "app/commands/ActionRegistry.h"
#include "comm/ui/CDownloadDlg.h"
#include "comm/ui/DeviceServices.h"
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
    if (services_.devices)
        actions.handle(CommandId::ToolDownload, this, [this] { download(); });
}

bool ProjectCommands::saveTo(const SaveTarget& target) {
    const bool saved = services_.document.saveAs(target);
    // The pictures now live beside the project file.
    view_.refreshProjectContext();
    return saved;
}

bool ProjectCommands::saveUntitled() {
    const std::optional<SaveTarget> target = services_.document.askSaveTarget();
    if (!target || target->name.empty())
        return false;
    return saveTo(*target);
}

bool ProjectCommands::save() {
    view_.commitProperties();
    CZorvEditorDoc& doc = services_.document;
    if (doc.path().empty())
        return saveUntitled();
    return doc.save(doc.path());
}

bool ProjectCommands::saveAs() {
    view_.commitProperties();
    const std::optional<SaveTarget> target = services_.document.askSaveTarget();
    if (!target || target->name.empty())
        return false;
    return saveTo(*target);
}

void ProjectCommands::newProject() {
    view_.commitProperties();
    if (services_.document.newProject())
        view_.initialUpdate();
}

void ProjectCommands::importOld() {
    view_.commitProperties();
    CZorvEditorDoc& doc = services_.document;
    if (!doc.saveModified())
        return;
    const QString file =
        services_.files.openFile(&view_, tr("Open"), QString(), qtFileFilter(kImportFilter));
    if (file.isEmpty())
        return;
    // The save question is answered: the import does not ask it again.
    doc.setModified(false);
    doc.importOld(file.toStdString());
    view_.initialUpdate();
}

void ProjectCommands::parameters() {
    CSettingDlg dialog(services_.document.project().header, services_.prompt, &view_);
    if (dialog.exec() != QDialog::Accepted)
        return;
    view_.refreshProjectContext();
    services_.document.setModified(true);
}

void ProjectCommands::alarmList() {
    CAlarmPageDlg dialog(services_.document.project().alarmList, services_.prompt, services_.files,
                         &view_);
    if (dialog.exec() == QDialog::Accepted)
        services_.document.setModified(true);
}

void ProjectCommands::report() {
    view_.commitProperties();
    services_.document.openReport();
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
    view_.commitProperties();
    CZorvEditorDoc& doc = services_.document;
    if (doc.path().empty()) {
        if (!saveUntitled())
            return;
    } else if (doc.modified()) {
        if (!doc.saveModified())
            return;
        doc.setModified(false);
    }

    const std::filesystem::path image = downloadImagePath();
    const CompileResult compiled = compileImage(doc.project(), services_.paths);
    if (!compiled.ok || !fileops::writeFile(image, compiled.image)) {
        if (!compiled.message.empty())
            services_.prompt.message(compiled.message);
        fileops::removeFile(image);
        return;
    }
    if (services_.registry.intValue("Export", 0) == 1) {
        std::filesystem::path beside = doc.path();
        fileops::copyOver(image, beside.replace_extension(".hc"));
    }

    // The project is read back from its file, and the page shown stays the page shown.
    const std::optional<int> page =
        view_.currentPage() ? std::optional<int>(view_.currentPage()->number()) : std::nullopt;
    doc.reload();
    view_.initialUpdate(page);

    CDownloadDlg tool(image, modbusFilesOf(doc), *services_.devices, &view_);
    tool.exec();
    fileops::removeFile(image);
    doc.setModified(false);
}

bool ProjectCommands::exitAllowed() {
    view_.commitProperties();
    CZorvEditorDoc& doc = services_.document;
    if (!doc.modified())
        return true;
    // A project without a file is asked about too, so that cancelling its save dialog keeps
    // the editor open instead of throwing the project away.
    switch (services_.prompt.ask(kExitQuestion, PromptButtons::YesNoCancel)) {
    case PromptAnswer::Yes:
        return doc.path().empty() ? saveUntitled() : doc.save(doc.path());
    case PromptAnswer::No:
        doc.setModified(false);
        return true;
    default:
        return false;
    }
}

} // namespace zorv
