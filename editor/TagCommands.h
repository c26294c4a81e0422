#pragma once
// Toolbars > Tags...: the Tags dialog over the tags beside the project; the table it confirms
// becomes the project's tags as one edit, which Undo takes back.

#include <QObject>

#include "editor/CZorvEditorView.h"

namespace zorv {

class TagCommands : public QObject {
    Q_OBJECT
public:
    TagCommands(const EditorServices& services, CZorvEditorView& view);

    void editTags();

private:
    EditorServices services_;
    CZorvEditorView& view_;
};

} // namespace zorv
