// The editing view's project, page tree and page commands.

#include "commands/ActionRegistry.h"
#include "commands/CommandTable.h"
#include "editor/CPageTree.h"
#include "editor/CZorvEditorView.h"
#include "editor/ProjectCommands.h"
#include "editor/undo/EditHistory.h"
#include "editor/undo/ReplaceProjectCmd.h"
#include "image/GlyphFiles.h"
#include "model/Bytes.h"
#include "model/CZorvEditorDoc.h"
#include "model/EditorViewRules.h"
#include "model/FileOps.h"
#include "model/PagePropertiesRecord.h"
#include "model/PictureFiles.h"
#include "model/widgets/CanvasPlacement.h"
#include "model/widgets/PageTools.h"
#include "model/widgets/WidgetBitmaps.h"
#include "model/widgets/WidgetSync.h"
#include "model/widgets/WidgetTexts.h"
#include "oonedraw/GCreateTool.h"
#include "oonedraw/GRepaint.h"
#include "oonedraw/GText.h"
#include "panes/CPageProperty.h"
#include "panes/PaneFactory.h"
#include "platform/CodePageText.h"
#include "platform/Paths.h"
#include "platform/Prompt.h"
#include "platform/qt/FileChooser.h"
#include "search/PageCopies.h"
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>
#include <algorithm>

namespace zorv {

namespace {

QString fromCodePage(const std::string& bytes) {
    return QString::fromStdString(codePageToUtf8(bytes).value_or(bytes));
}

} // namespace

std::filesystem::path CZorvEditorView::projectFolder() const {
    return services_.document.projectFolder();
}

void CZorvEditorView::initialUpdate(std::optional<int> pageNumber) {
    pageShown_ = false;
    canvas_.ClearAll();
    project_ = &services_.document.project();
    if (project_->pageCount() == 0)
        project_->addPage(1, PlaceMode::Insert);
    currentPage_ = pageNumber ? project_->pageByNumber(uint16_t(*pageNumber)) : nullptr;
    if (!currentPage_)
        currentPage_ = project_->page(0);
    WidgetBitmaps::shared().setProjectFolder(projectFolder());
    updatePaneContext();
    if (shown_)
        shown_->hide();
    shown_ = pagePane_;
    rebuildTree(currentPage_->number());
    showPageProperties();
    chooseTool("select");
    history_->clear();
}

void CZorvEditorView::refreshProjectContext() {
    WidgetBitmaps::shared().setProjectFolder(projectFolder());
    updatePaneContext();
}

bool CZorvEditorView::closeRequested() {
    return commands_->exitAllowed();
}

void CZorvEditorView::selectPage(int number) {
    if (QTreeWidgetItem* item = tree_->pageItem(number))
        tree_->setCurrentItem(item);
}

void CZorvEditorView::showWidget(int pageNumber, int32_t widgetId) {
    selectPage(pageNumber);
    if (!currentPage_ || currentPage_->number() != pageNumber || widgetId == 0)
        return;
    for (oonedraw::GObject* object : canvas_.children) {
        if (object->id != widgetId)
            continue;
        const auto record = currentPage_->widgetRecord(widgetId, object->name);
        // The pane left behind confirms first, as on a click.
        if (!record || (shown_ && !commitProperties()))
            return;
        canvas_.Select(object, oonedraw::kSelectReplace);
        PropertyPane* pane = paneFor(object->name);
        pane->loadRecord(*record, widgetId);
        showPane(pane);
        InvalidateArea(displayRect_);
        return;
    }
}

void CZorvEditorView::dropProject() {
    endFeedback();
    canvas_.ClearAll();
    currentPage_ = nullptr;
    project_ = nullptr;
    pageShown_ = false;
    tree_->rebuild({});
    updatePaneContext();
    InvalidateArea(displayRect_);
}

void CZorvEditorView::rebuildTree(int selectNumber) {
    std::vector<std::pair<int, QString>> items;
    if (project_)
        for (const auto& page : project_->pages())
            items.emplace_back(page->number(),
                               fromCodePage(pageItemText(page->number(), page->description())));
    // The old items are gone: the page shown is not committed through them again.
    tree_->rebuild(items);
    if (QTreeWidgetItem* item = tree_->pageItem(selectNumber))
        tree_->setCurrentItem(item);
    tree_->setFocus();
}

void CZorvEditorView::pageSelectionChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous) {
    if (current && !current->parent()) {
        // The root never becomes the selection.
        const QSignalBlocker blocker(tree_);
        tree_->setCurrentItem(previous);
        return;
    }
    // Selection changing: the page left behind keeps what its pane holds; a pane that refuses
    // keeps its page shown.
    if (pageShown_ && CPageTree::pageNumber(previous) && !commitProperties()) {
        const QSignalBlocker blocker(tree_);
        tree_->setCurrentItem(previous);
        return;
    }
    endFeedback();
    canvas_.ClearAll();
    pageShown_ = true;
    currentPage_ = nullptr;
    // Selection changed.
    const std::optional<int> number = CPageTree::pageNumber(current);
    CPage* page = project_ && number ? project_->pageByNumber(uint16_t(*number)) : nullptr;
    if (!page)
        return;
    currentPage_ = page;
    loadPage(*page);
    InvalidateArea(displayRect_);
    showPane(pagePane_);
    showPageProperties();
    chooseTool("select");
}

void CZorvEditorView::loadPage(CPage& page) {
    WidgetBitmaps& bitmaps = WidgetBitmaps::shared();
    bitmaps.setProjectFolder(projectFolder());
    const std::string before = tools_.currentName;
    for (const WidgetNode& node : page.widgets) {
        const std::string name(typeName(node.kind));
        auto* tool = dynamic_cast<oonedraw::GCreateTool*>(tools_.Find(name));
        if (!tool || name.empty())
            continue;
        const oonedraw::GPoint at =
            canvasPointOf(le::u16(node.record.data() + 2), le::u16(node.record.data() + 4));
        const oonedraw::GPointerEvent event{at.x + canvas_.originX, at.y + canvas_.originY,
                                            oonedraw::kLeftButton};
        tools_.SelectTool(name);
        const std::size_t count = canvas_.children.size();
        tool->OnButtonDown(event);
        tool->OnButtonUp(event);
        if (canvas_.children.size() == count)
            continue;
        oonedraw::GObject* object = canvas_.children.back();
        object->id = node.id;
        applyNode(*object, node, language_, bitmaps);
        if (auto* rect = dynamic_cast<oonedraw::GRectangle*>(object))
            rect->FitToContent();
    }
    tools_.SelectTool(before.empty() ? "select" : before);
}

void CZorvEditorView::reloadCurrentPage() {
    if (shown_ != pagePane_) {
        if (!commitProperties())
            return;
        showPane(pagePane_);
        showPageProperties();
    }
    endFeedback();
    canvas_.ClearAll();
    if (currentPage_)
        loadPage(*currentPage_);
    InvalidateArea(displayRect_);
}

void CZorvEditorView::pageDescriptionChanged() {
    QTreeWidgetItem* item = tree_->currentItem();
    const std::optional<int> number = CPageTree::pageNumber(item);
    if (!number)
        return;
    const QString text = fromCodePage(pageItemText(*number, pagePane_->description()));
    if (text != item->text(0))
        markModified();
    item->setText(0, text);
}

bool CZorvEditorView::confirmPlace(int number, PlaceMode mode) {
    if (!project_->pageByNumber(uint16_t(number)))
        return true;
    return services_.prompt.ask(pageExistsQuestion(number, mode), PromptButtons::OkCancel) ==
           PromptAnswer::Ok;
}

void CZorvEditorView::newPage() {
    if (!project_ || !commitProperties())
        return;
    const int proposed = proposedPageNumber(CPageTree::pageNumber(tree_->currentItem()));
    const std::optional<PageChoice> choice = pageDialogs_->newPage(this, proposed);
    if (!choice)
        return;
    const auto description = pageDescriptionBytes(choice->description.toStdString());
    if (!description) {
        services_.prompt.message(kDescriptionNotGb2312Message);
        return;
    }
    if (!confirmPlace(choice->number, choice->mode))
        return;
    // The page shown may be replaced (Cover): nothing may refer to it any more.
    const int shownNumber = currentPage_ ? currentPage_->number() : choice->number;
    ProjectState before = ProjectState::of(*project_, true);
    canvas_.ClearAll();
    currentPage_ = nullptr;
    pageShown_ = false;
    if (CPage* page = project_->addPage(uint16_t(choice->number), choice->mode))
        page->setDescription(*description);
    pushEdit(std::make_unique<ReplaceProjectCmd>("New Page", *project_, std::move(before),
                                                 ProjectState::of(*project_, true), shownNumber,
                                                 choice->number));
    rebuildTree(choice->number);
}

void CZorvEditorView::copyPage() {
    if (!project_ || !currentPage_ || !commitProperties())
        return;
    const std::optional<int> selected = CPageTree::pageNumber(tree_->currentItem());
    const int proposed = proposedPageNumber(selected);
    const std::optional<PageChoice> choice =
        pageDialogs_->copyPage(this, selected.value_or(0), proposed);
    if (!choice)
        return;
    if (!choice->plainCopy()) {
        copyPageSet(*choice);
        return;
    }
    if (!confirmPlace(choice->number, choice->mode))
        return;
    // A copy of the page shown, taken before a cover may replace it.
    const CPage source = *currentPage_;
    ProjectState before = ProjectState::of(*project_, true);
    canvas_.ClearAll();
    currentPage_ = nullptr;
    pageShown_ = false;
    project_->copyPage(source, uint16_t(choice->number), choice->mode);
    pushEdit(std::make_unique<ReplaceProjectCmd>("Copy Page", *project_, std::move(before),
                                                 ProjectState::of(*project_, true), source.number(),
                                                 choice->number));
    rebuildTree(choice->number);
}

// The page shown and the pages beside it, copied as a set onto free numbers; a refusal names its
// reason and changes nothing.
void CZorvEditorView::copyPageSet(const PageChoice& choice) {
    const int source = currentPage_->number();
    PageCopyRequest request{choice.withPages, choice.copies, choice.number - source, choice.shifts};
    request.pages.push_back(uint16_t(source));
    ProjectState before = ProjectState::of(*project_, true);
    std::vector<uint16_t> made;
    std::string message;
    // The copies only add pages: the page shown stays where it is until the edit takes over.
    if (!zorv::copyPageSet(*project_, request, made, message)) {
        services_.prompt.message(message);
        return;
    }
    canvas_.ClearAll();
    currentPage_ = nullptr;
    pageShown_ = false;
    pushEdit(std::make_unique<ReplaceProjectCmd>("Copy Page", *project_, std::move(before),
                                                 ProjectState::of(*project_, true), source,
                                                 made.front()));
    rebuildTree(made.front());
}

void CZorvEditorView::deletePage() {
    QTreeWidgetItem* item = tree_->currentItem();
    if (!project_ || !item)
        return;
    if (item->childCount() > 0) {
        services_.prompt.message(viewmsg::kDeleteWithSub);
        return;
    }
    if (project_->pageCount() == 1) {
        services_.prompt.message(viewmsg::kDeleteLastPage);
        return;
    }
    const int number = CPageTree::pageNumber(item).value_or(0);
    if (services_.prompt.ask(deletePageQuestion(number), PromptButtons::OkCancel) !=
        PromptAnswer::Ok)
        return;
    ProjectState before = ProjectState::of(*project_, true);
    // The pages are made anew by the edit: nothing may refer to the old ones.
    canvas_.ClearAll();
    currentPage_ = nullptr;
    project_->deletePage(uint16_t(number));
    pageShown_ = false;
    QTreeWidgetItem* parent = item->parent();
    const int index = parent->indexOfChild(item);
    QTreeWidgetItem* next =
        index + 1 < parent->childCount() ? parent->child(index + 1) : parent->child(index - 1);
    pushEdit(std::make_unique<ReplaceProjectCmd>("Delete Page", *project_, std::move(before),
                                                 ProjectState::of(*project_, true), number,
                                                 CPageTree::pageNumber(next).value_or(0)));
    tree_->setCurrentItem(next);
    delete item;
}

} // namespace zorv
