#include "editor/TextFileCommands.h"

#include <QFileInfo>

#include "cli/texts/TextImport.h"
#include "commands/ActionRegistry.h"
#include "editor/undo/ReplaceProjectCmd.h"
#include "model/CZorvEditorDoc.h"
#include "model/FileOps.h"
#include "platform/Prompt.h"
#include "platform/qt/FileChooser.h"

namespace zorv {

namespace {

// Changes named in the question; more are counted.
constexpr std::size_t kListedChanges = 20;

std::string changesQuestion(const std::vector<TextChange>& changes) {
    std::string text = "The file changes " + std::to_string(changes.size()) +
                       (changes.size() == 1 ? " text:" : " texts:");
    for (std::size_t i = 0; i < changes.size() && i < kListedChanges; ++i)
        text += "\n" + textChangeLine(changes[i]);
    if (changes.size() > kListedChanges)
        text += "\n(and " + std::to_string(changes.size() - kListedChanges) + " more)";
    return text + "\n\nTake them into the project?";
}

} // namespace

TextFileCommands::TextFileCommands(const EditorServices& services, CZorvEditorView& view)
    : QObject(&view), services_(services), view_(view) {
    services_.actions.handle(CommandId::LanguageExportTexts, this, [this] { exportTexts(); });
    services_.actions.handle(CommandId::LanguageImportTexts, this, [this] { importTexts(); });
}

void TextFileCommands::exportTexts() {
    if (!view_.commitProperties())
        return;
    CZorvEditorDoc& doc = services_.document;
    const std::filesystem::path project = doc.path();
    const QString start =
        project.empty() ? QString() : QString::fromStdString(project.stem().string() + ".csv");
    QString file =
        services_.files.saveFile(&view_, tr("Export Texts"), start, qtFileFilter(kTextFileFilter));
    if (file.isEmpty())
        return;
    const std::string name = file.toStdString();
    if (!isXliffName(name) && QFileInfo(file).suffix().compare("csv", Qt::CaseInsensitive) != 0)
        file += ".csv";
    const std::vector<TextEntry> entries = textInventory(doc.project());
    const std::string text =
        isXliffName(name) ? textsXliff(entries, project.filename().string()) : textsCsv(entries);
    if (!fileops::replaceFile(file.toStdString(),
                              {reinterpret_cast<const uint8_t*>(text.data()), text.size()}))
        services_.prompt.message(kTextsExportFailedMessage);
}

void TextFileCommands::importTexts() {
    if (!view_.commitProperties())
        return;
    const QString file = services_.files.openFile(&view_, tr("Import Texts"), QString(),
                                                  qtFileFilter(kTextFileFilter));
    if (file.isEmpty())
        return;
    const std::optional<std::vector<uint8_t>> bytes = fileops::readFile(file.toStdString());
    if (!bytes) {
        services_.prompt.message(kTextsImportFailedMessage);
        return;
    }
    std::vector<TranslatedText> texts;
    std::string fault;
    if (!readTranslationFile(*bytes, texts, fault)) {
        services_.prompt.message(textImportRefusal({fault}));
        return;
    }
    CHCData& project = services_.document.project();
    const TextImportPlan plan = planTextImport(project, texts, readGlyphSources(services_.paths));
    if (!plan.faults.empty()) {
        services_.prompt.message(textImportRefusal(plan.faults));
        return;
    }
    if (plan.changes.empty()) {
        services_.prompt.message(kNoTextChangedMessage);
        return;
    }
    if (!services_.prompt.yes(changesQuestion(plan.changes)))
        return;
    ProjectState before = ProjectState::of(project, true);
    applyTextChanges(project, plan.changes);
    const int page = view_.currentPage() ? view_.currentPage()->number() : 0;
    view_.pushAndShowEdit(std::make_unique<ReplaceProjectCmd>(
        "Import Texts", project, std::move(before), ProjectState::of(project, true), page, page));
}

} // namespace zorv
