#include "editor/TagCommands.h"

#include "commands/ActionRegistry.h"
#include "editor/CTagsDlg.h"
#include "editor/undo/ChangeTagsCmd.h"
#include "model/CPage.h"
#include "model/CZorvEditorDoc.h"

namespace zorv {

TagCommands::TagCommands(const EditorServices& services, CZorvEditorView& view)
    : QObject(&view), services_(services), view_(view) {
    services_.actions.handle(CommandId::ToolTags, this, [this] { editTags(); });
}

void TagCommands::editTags() {
    if (!view_.commitProperties())
        return;
    CZorvEditorDoc& doc = services_.document;
    CTagsDlg dialog(doc.tags(), services_.prompt, services_.files, &view_);
    if (dialog.exec() != QDialog::Accepted)
        return;
    TagTable after = dialog.tags();
    if (after == doc.tags())
        return;
    // The shown page is shown afresh, so that its register fields name the new tags.
    const int page = view_.currentPage() ? view_.currentPage()->number() : 0;
    view_.pushAndShowEdit(std::make_unique<ChangeTagsCmd>(doc, doc.tags(), std::move(after), page));
}

} // namespace zorv
