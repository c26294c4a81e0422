#include "editor/CZorvEditorView.h"

namespace zorv {

// Until the page editor is built, the view is an empty area of the size its layout is made for.
CZorvEditorView::CZorvEditorView(const EditorServices& services, QWidget* parent)
    : QWidget(parent), services_(services) {
    setMinimumSize(750, 580);
    setAccessibleName(tr("Page editor"));
}

CZorvEditorView::~CZorvEditorView() = default;

void CZorvEditorView::initialUpdate() {}

void CZorvEditorView::dropProject() {}

void CZorvEditorView::commitProperties() {}

} // namespace zorv
