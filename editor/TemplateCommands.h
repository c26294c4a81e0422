#pragma once
// Page > Export Template... and Insert Template...: chosen pages written with the pictures they
// name to a page template file, and the pages of such a file inserted into the open project on
// free page numbers, their pictures copied into its picture folder under free names, as one
// edit that Undo takes back whole. A damaged file is refused with what is wrong with it.

#include <QObject>

#include "editor/CZorvEditorView.h"

namespace zorv {

inline constexpr const char* kTemplateFilter = "Page template:(*.zvt)|*.zvt|";
inline constexpr const char* kTemplateUnreadableMessage = "The page template can not be read.";

class TemplateCommands : public QObject {
    Q_OBJECT
public:
    TemplateCommands(const EditorServices& services, CZorvEditorView& view);

    void exportTemplate();
    void insertTemplate();

private:
    EditorServices services_;
    CZorvEditorView& view_;
};

} // namespace zorv
