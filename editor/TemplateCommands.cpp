#include "editor/TemplateCommands.h"

#include <QFileInfo>

#include "commands/ActionRegistry.h"
#include "editor/undo/ReplaceProjectCmd.h"
#include "model/CZorvEditorDoc.h"
#include "model/FileOps.h"
#include "model/PageTemplate.h"
#include "platform/Prompt.h"
#include "platform/qt/FileChooser.h"
#include "search/PageCopies.h"

namespace zorv {

TemplateCommands::TemplateCommands(const EditorServices& services, CZorvEditorView& view)
    : QObject(&view), services_(services), view_(view) {
    services_.actions.handle(CommandId::PageExportTemplate, this, [this] { exportTemplate(); });
    services_.actions.handle(CommandId::PageInsertTemplate, this, [this] { insertTemplate(); });
}

void TemplateCommands::exportTemplate() {
    if (!view_.currentPage() || !view_.commitProperties())
        return;
    const std::optional<std::vector<uint16_t>> pages =
        view_.pageDialogs().templatePages(&view_, view_.currentPage()->number());
    if (!pages)
        return;
    CZorvEditorDoc& doc = services_.document;
    PageTemplate taken;
    std::string message;
    if (!takePageTemplate(doc.project(), *pages, doc.projectFolder(), taken, message)) {
        services_.prompt.message(message);
        return;
    }
    const QString start = doc.path().empty()
                              ? QString()
                              : QString::fromStdString(doc.path().stem().string() + ".zvt");
    QString file = services_.files.saveFile(&view_, tr("Export Template"), start,
                                            qtFileFilter(kTemplateFilter));
    if (file.isEmpty())
        return;
    if (QFileInfo(file).suffix().isEmpty())
        file += QStringLiteral(".zvt");
    std::vector<uint8_t> bytes;
    writePageTemplate(taken, bytes);
    std::string failure;
    if (!fileops::replaceFile(file.toStdString(), bytes, &failure))
        services_.prompt.message("The page template could not be written: " + failure);
}

void TemplateCommands::insertTemplate() {
    if (!view_.currentPage() || !view_.commitProperties())
        return;
    const QString file = services_.files.openFile(&view_, tr("Insert Template"), QString(),
                                                  qtFileFilter(kTemplateFilter));
    if (file.isEmpty())
        return;
    const std::optional<std::vector<uint8_t>> bytes = fileops::readFile(file.toStdString());
    PageTemplate pages;
    std::string message;
    if (!bytes) {
        services_.prompt.message(kTemplateUnreadableMessage);
        return;
    }
    if (!readPageTemplate(*bytes, pages, message)) {
        services_.prompt.message(message);
        return;
    }
    CHCData& project = services_.document.project();
    const int shown = view_.currentPage()->number();
    ProjectState before = ProjectState::of(project, true);
    std::vector<uint16_t> placed;
    if (!insertPageTemplate(project, pages, services_.document.projectFolder(), placed, message)) {
        services_.prompt.message(message);
        return;
    }
    view_.pushAndShowEdit(std::make_unique<ReplaceProjectCmd>(
        "Insert Template", project, std::move(before), ProjectState::of(project, true), shown,
        placed.front()));
}

} // namespace zorv
