// The editing view's Cut, Copy, Paste and Delete of widgets through the system clipboard.

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <system_error>

#include "commands/ActionRegistry.h"
#include "editor/CZorvEditorView.h"
#include "editor/WidgetClipboard.h"
#include "editor/undo/ProjectEdit.h"
#include "model/CHCData.h"
#include "model/PictureFiles.h"
#include "model/widgets/PastePlacement.h"

namespace zorv {

namespace fs = std::filesystem;

namespace {

bool sameFolder(const fs::path& a, const fs::path& b) {
    std::error_code error;
    return fs::weakly_canonical(a, error) == fs::weakly_canonical(b, error);
}

// The file a pasted record names, copied from the project it came from under a free name of
// the target's picture folder; the record keeps its name when there is no such file.
void followPicture(std::string& name, const fs::path& from, const fs::path& to) {
    const fs::path source = picturePath(from, name);
    std::error_code error;
    if (name.empty() || !fs::is_regular_file(source, error))
        return;
    if (const std::optional<std::string> copied = copyIntoPictureFolder(source, to))
        name = *copied;
}

} // namespace

void CZorvEditorView::takeClipboardCommands() {
    ActionRegistry& actions = services_.actions;
    actions.handle(CommandId::EditCut, this, [this] {
        if (copySelection())
            deleteSelection("Cut");
    });
    actions.handle(CommandId::EditCopy, this, [this] { copySelection(); });
    actions.handle(CommandId::EditPaste, this, [this] { paste(); });
    actions.handle(CommandId::EditDelete, this, [this] { deleteSelection("Delete"); });
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &CZorvEditorView::updatePasteAction);
    updatePasteAction();
}

void CZorvEditorView::updatePasteAction() {
    services_.actions.action(CommandId::EditPaste)->setEnabled(clipboardHoldsWidgets());
}

bool CZorvEditorView::copySelection() {
    if (!currentPage_ || !firstSelected() || pressedInDisplay_ || !commitProperties())
        return false;
    std::vector<WidgetNode> widgets;
    for (oonedraw::GObject* object : canvas_.GetSelection()->children)
        if (const WidgetNode* node = currentPage_->findWidget(object->id))
            widgets.push_back(*node);
    if (widgets.empty())
        return false;
    putWidgetsOnClipboard(widgets, projectFolder());
    return true;
}

void CZorvEditorView::paste() {
    if (!currentPage_ || pressedInDisplay_ || !commitProperties())
        return;
    std::optional<ClipboardWidgets> taken = widgetsOnClipboard();
    if (!taken)
        return;
    const fs::path folder = projectFolder();
    if (!sameFolder(taken->projectFolder, folder))
        for (WidgetNode& node : taken->widgets)
            changePictureNames(node, [&](std::string& name) {
                followPicture(name, taken->projectFolder, folder);
            });
    CPage after = *currentPage_;
    const std::vector<int32_t> ids = pasteIntoPage(after, std::move(taken->widgets), kSnapStep);
    const int number = currentPage_->number();
    if (changePage("Paste", after))
        showEdit({number, ids});
}

} // namespace zorv
