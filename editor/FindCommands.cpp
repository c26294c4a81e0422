#include "editor/FindCommands.h"

#include <QDockWidget>
#include <QLineEdit>

#include "commands/ActionRegistry.h"
#include "editor/CFindPanel.h"
#include "editor/CReplaceDlg.h"
#include "editor/CZorvEditorView.h"
#include "editor/undo/EditHistory.h"
#include "editor/undo/ReplaceProjectCmd.h"
#include "model/CZorvEditorDoc.h"

namespace zorv {

FindCommands::FindCommands(CZorvEditorDoc& document, ActionRegistry& actions, CZorvEditorView& view,
                           const std::function<QDockWidget*(QWidget*)>& dockFor, QObject* parent)
    : QObject(parent), document_(document), view_(view), panel_(new CFindPanel),
      dock_(dockFor(panel_)),
      runReplace_([](CReplaceDlg& dialog) { return dialog.exec() == QDialog::Accepted; }) {
    actions.handle(CommandId::EditFind, this, [this] { find(); });
    actions.handle(CommandId::EditFindNext, this, [this] { step(1); });
    actions.handle(CommandId::EditFindPrevious, this, [this] { step(-1); });
    actions.handle(CommandId::EditReplace, this, [this] { replace(); });
    connect(panel_, &CFindPanel::queryChanged, this, [this] { refresh(false); });
    connect(panel_, &CFindPanel::hitActivated, this, &FindCommands::showHit);
    // An edit, an undo and a new project all pass the history.
    connect(&view_.history(), &EditHistory::changed, this, [this] { refresh(true); });
}

void FindCommands::find() {
    dock_->show();
    dock_->raise();
    dock_->activateWindow();
    panel_->query()->setFocus();
    panel_->query()->selectAll();
}

void FindCommands::refresh(bool keepRow) {
    const std::string query = panel_->query()->text().trimmed().toStdString();
    hits_ = query.empty() ? std::vector<FindHit>()
                          : findInProject(document_.project(), query, &document_.tags());
    panel_->setHits(hits_, document_.project(), keepRow);
}

void FindCommands::step(int by) {
    if (hits_.empty()) {
        find();
        return;
    }
    const int count = int(hits_.size());
    const int row = panel_->currentRow();
    const int next = row < 0 ? (by > 0 ? 0 : count - 1) : ((row + by) % count + count) % count;
    panel_->setCurrentRow(next);
    showHit(next);
}

void FindCommands::showHit(int row) {
    if (row < 0 || row >= int(hits_.size()))
        return;
    const FindHit& hit = hits_[std::size_t(row)];
    const CPage* page = document_.project().pageByNumber(hit.page);
    if (!page)
        return;
    int32_t id = 0;
    if (hit.widget && *hit.widget >= 0 && std::size_t(*hit.widget) < page->widgets.size())
        id = page->widgets[std::size_t(*hit.widget)].id;
    view_.showWidget(hit.page, id);
}

void FindCommands::replace() {
    if (!view_.commitProperties())
        return;
    RenumberScope selection;
    if (const CPage* page = view_.currentPage())
        for (const oonedraw::GObject* object : view_.canvas().GetSelection()->children)
            selection.widgets.emplace_back(page->number(), object->id);
    CReplaceDlg dialog(document_.project(), std::move(selection), view_.window());
    dialog.takeQuery(panel_->query()->text().trimmed());
    if (runReplace_(dialog) && dialog.plan().storedCount() > 0)
        store(dialog.plan());
}

void FindCommands::store(const ReplacePlan& plan) {
    CHCData& project = document_.project();
    ProjectState before = ProjectState::of(project, true);
    if (plan.registers) {
        std::vector<RegisterChange> changes;
        std::string message;
        if (!renumber(project, plan.moves, plan.scope, changes, message))
            return; // the plan was made on this very project: it does not fail
    } else {
        applyTextReplace(project, plan.texts);
    }
    const int page = view_.currentPage() ? view_.currentPage()->number() : 0;
    view_.pushAndShowEdit(std::make_unique<ReplaceProjectCmd>(
        "Replace", project, std::move(before), ProjectState::of(project, true), page, page));
}

} // namespace zorv
