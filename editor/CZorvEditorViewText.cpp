// The editing view's texts edited on the canvas: a double click or F2 on a static text opens a
// field over it with the text of the language shown; the text is taken by the rules of the
// static text pane and stored as one edit.

#include "editor/CZorvEditorView.h"

#include "editor/CanvasTextEditor.h"
#include "image/TextCell.h"
#include "image/ui/TextRowsList.h"
#include "model/CHCData.h"
#include "model/rules/StaticTextRules.h"
#include "oonedraw/GRepaint.h"
#include "panes/CPageProperty.h"
#include "panes/PropertyPane.h"
#include "platform/Prompt.h"

namespace zorv {

bool CZorvEditorView::editTextInPlace() {
    const auto& members = canvas_.GetSelection()->children;
    if (!currentPage_ || members.size() != 1 || members.front()->name != "StaticText")
        return false;
    oonedraw::GObject* object = members.front();
    const WidgetNode* node = currentPage_->findWidget(object->id);
    if (!node || node->kind != WidgetKind::StaticText)
        return false;
    // The pane's last edits reach the record first; a pane that refuses keeps the keyboard.
    if (!commitProperties())
        return true;
    if (!textEditor_) {
        textEditor_ = new CanvasTextEditor(this);
        connect(textEditor_, &CanvasTextEditor::storeRequested, this,
                &CZorvEditorView::storeCanvasText);
        connect(textEditor_, &CanvasTextEditor::cancelled, keySink_,
                [this] { keySink_->setFocus(); });
    }
    // The field takes the rest of a double click: its release may reach the field, not the
    // page, so the press on the page ends here.
    pressedInDisplay_ = false;
    banding_ = false;
    moved_ = false;
    const oonedraw::GRect bounds = oonedraw::BoundsOf(*object);
    const QRect view(int(bounds.left + canvas_.originX), int(bounds.top + canvas_.originY),
                     int(bounds.right - bounds.left), int(bounds.bottom - bounds.top));
    const StaticTextRecord record = currentPage_->findWidget(object->id)->get<StaticTextRecord>();
    textEditor_->open(layout_.toWindow(view),
                      QString::fromStdString(cellTextOfBytes(record.text(language_).view())),
                      object->id);
    return true;
}

void CZorvEditorView::storeCanvasText(const QString& typed) {
    const int32_t id = textEditor_->widgetId();
    const WidgetNode* node = currentPage_ ? currentPage_->findWidget(id) : nullptr;
    if (!node || node->kind != WidgetKind::StaticText) {
        textEditor_->dismiss();
        return;
    }
    // Refused, the typing stays in the field to be mended.
    const std::optional<std::string> bytes = takeCellText(typed, services_.prompt);
    if (!bytes)
        return;
    const StaticTextRecord stored = node->get<StaticTextRecord>();
    rules::StaticTextForm form = rules::staticTextFormOf(stored);
    form.text[language_ == 1 ? 1 : 0] = *bytes;
    const rules::ConfirmResult<StaticTextRecord> result = rules::confirmStaticText(stored, form);
    for (const std::string& message : result.messages)
        services_.prompt.message(message);
    if (!result.applied)
        return;
    const bool hadKeyboard = textEditor_->hasFocus();
    textEditor_->dismiss();
    if (hadKeyboard)
        keySink_->setFocus();
    if (result.record == stored)
        return;
    CPage after = *currentPage_;
    after.setWidgetRecord(id, "StaticText", result.record.bytes);
    if (!changePage("Edit Text", after))
        return;
    if (const WidgetNode* now = currentPage_->findWidget(id))
        showOnCanvas(*now);
    // The widget's pane shows the stored text.
    if (shown_ && shown_->widgetId() == id && shown_ != pagePane_) {
        shown_->loadRecord(result.record.bytes, id);
        showPane(shown_);
    }
}

} // namespace zorv
