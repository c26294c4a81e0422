#pragma once
// Edit > Find..., Find Next, Find Previous and Replace...: the Find dock lists what the query
// finds in the project and follows every edit (the rows run anew, so none names a widget that
// moved or went); a double click, F3 and Shift+F3 show the found widget with its page and pane,
// F3 and Shift+F3 walking the list round. Replace stores its previewed plan as one edit.

#include <QObject>
#include <functional>
#include <vector>

#include "search/Find.h"

class QDockWidget;
class QWidget;

namespace zorv {

class ActionRegistry;
class CFindPanel;
class CReplaceDlg;
class CZorvEditorDoc;
class CZorvEditorView;
struct ReplacePlan;

class FindCommands : public QObject {
    Q_OBJECT
public:
    // `dockFor` puts the Find panel into a dock of the main frame.
    FindCommands(CZorvEditorDoc& document, ActionRegistry& actions, CZorvEditorView& view,
                 const std::function<QDockWidget*(QWidget*)>& dockFor, QObject* parent = nullptr);

    // Replaces how the Replace dialog runs (tests fill it in instead); true when it was
    // accepted.
    void setReplaceRunner(std::function<bool(CReplaceDlg&)> run) { runReplace_ = std::move(run); }

    CFindPanel* panel() const { return panel_; }
    QDockWidget* dock() const { return dock_; }
    const std::vector<FindHit>& hits() const { return hits_; }

    void find();
    // One row on (`by` 1) or back (-1), round the ends, and its widget shown.
    void step(int by);
    void replace();

private:
    // Runs the query again; `keepRow` after an edit, so that F3 goes on from where it was.
    void refresh(bool keepRow);
    void showHit(int row);
    void store(const ReplacePlan& plan);

    CZorvEditorDoc& document_;
    CZorvEditorView& view_;
    CFindPanel* panel_;
    QDockWidget* dock_;
    std::vector<FindHit> hits_;
    std::function<bool(CReplaceDlg&)> runReplace_;
};

} // namespace zorv
