#pragma once
// The editing view: the page tree, the picture of the panel with the display area in which the
// current page's widgets are edited, and the property pane.

#include <QWidget>

namespace zorv {

class ActionRegistry;
class CZorvEditorDoc;
class FileChooser;
class Paths;
class Prompt;
class Registry;

// What the view works with; all of it outlives the view.
struct EditorServices {
    CZorvEditorDoc& document;
    ActionRegistry& actions;
    Prompt& prompt;
    FileChooser& files;
    const Paths& paths;
    Registry& registry;
};

class CZorvEditorView : public QWidget {
    Q_OBJECT
public:
    explicit CZorvEditorView(const EditorServices& services, QWidget* parent = nullptr);
    ~CZorvEditorView() override;

    // The document has a new project (new, open, import, reload): rebuild the tree and the page.
    void initialUpdate();
    // The document is about to replace its project: let go of every reference into it.
    void dropProject();
    // Stores the shown property pane's record into its page.
    void commitProperties();

signals:
    // The pointer's position in display pixels, "%4d,%4d", for the status bar.
    void pointerTextChanged(const QString& text);

private:
    EditorServices services_;
};

} // namespace zorv
