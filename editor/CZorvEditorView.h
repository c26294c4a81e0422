#pragma once
// The editing view: the page tree, the picture of the panel with the display area in which the
// current page's widgets are edited, and the property pane.

#include <QImage>
#include <QPainter>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "editor/CanvasSnap.h"
#include "editor/PageDialogs.h"
#include "editor/ViewLayout.h"
#include "editor/WidgetResize.h"
#include "model/widgets/CSceneCanvas.h"
#include "oonedraw/GLibraryGlyphs.h"
#include "oonedraw/GToolMgr.h"
#include "platform/qt/QtDrawContext.h"

class QLineEdit;
class QMenu;
class QScrollBar;
class QTreeWidgetItem;

namespace zorv {

namespace panel {
class PanelImage;
} // namespace panel

class ActionRegistry;
class CanvasTextEditor;
class CHCData;
class CMultiProperty;
class CPage;
class CPageProperty;
class CPageTree;
class CZorvEditorDoc;
class EditHistory;
struct EditPlace;
struct WidgetNode;
class ProjectEdit;
struct DeviceServices;
class ProjectCommands;
class FileChooser;
class Paths;
class PropertyPane;
class Prompt;
class Registry;
enum class CommandId;
enum class Arrange;
struct Extent;
struct LayoutBox;

// What the view works with; all of it outlives the view.
struct EditorServices {
    CZorvEditorDoc& document;
    ActionRegistry& actions;
    Prompt& prompt;
    FileChooser& files;
    const Paths& paths;
    Registry& registry;
    // The ports the download tool looks for the panel on; without them there is no download.
    DeviceServices* devices = nullptr;
};

class CZorvEditorView : public QWidget, public oonedraw::GWindow {
    Q_OBJECT
public:
    static constexpr int kLayoutWidth = 750;
    static constexpr int kLayoutHeight = 560;
    static constexpr int kSnapStep = 4;

    explicit CZorvEditorView(const EditorServices& services, QWidget* parent = nullptr);
    ~CZorvEditorView() override;

    // The document has a new project (new, open, import, reload): rebuild the tree and show the
    // page of that number, or the first page.
    void initialUpdate(std::optional<int> pageNumber = std::nullopt);
    // Shows the page of that number, as a click on its tree item does.
    void selectPage(int number);
    // The system parameters or the project's folder changed: the panes learn the password
    // levels, whether register setting control is allowed and where the pictures are.
    void refreshProjectContext();
    // Exit and the window's close box ask this first; false keeps the editor open.
    bool closeRequested();
    ProjectCommands& commands() { return *commands_; }
    // The document is about to replace its project: let go of every reference into it.
    void dropProject();
    // Confirms the shown property pane as Enter does (the same messages) and stores its record
    // into its page; false when the pane refused, and the command that leaves it stops.
    bool commitProperties();

    // The undo history of the open project.
    EditHistory& history() { return *history_; }
    // Runs an edit of the project through the history; false when it could not run.
    bool pushEdit(std::unique_ptr<ProjectEdit> edit);
    // The same for an edit made outside the page (an import): the page it acts on is shown
    // afresh, as after Redo.
    bool pushAndShowEdit(std::unique_ptr<ProjectEdit> edit);
    // Edit > Undo and Redo: the pane is left first, then the page the edit acts on is shown with
    // its widgets selected.
    void undo();
    void redo();

    // Replaces how New Page and Copy Page ask (tests script them); the view keeps no ownership.
    void setPageDialogs(PageDialogs* dialogs) { pageDialogs_ = dialogs ? dialogs : &qtDialogs_; }
    PageDialogs& pageDialogs() const { return *pageDialogs_; }
    // Replaces how the page tree's pop-up menu is shown (tests record it instead).
    void setPopupRunner(std::function<void(QMenu&, const QPoint&)> run) { popup_ = std::move(run); }

    // What the tests and the frame look at. The display and the panel are in view units;
    // viewLayout() maps them to the window at its zoom.
    const oonedraw::GIntRect& displayRect() const { return displayRect_; }
    const oonedraw::GIntRect& panelRect() const { return panelRect_; }
    oonedraw::GIntRect propertyRect() const;
    const ViewLayout& viewLayout() const { return layout_; }
    // View > Zoom In, Zoom Out and Zoom 100 %: a display pixel takes one window pixel more or
    // less, or two; until one of them is chosen the panel grows with the window.
    void zoomIn();
    void zoomOut();
    void zoomActual();
    CSceneCanvas& canvas() { return canvas_; }
    oonedraw::GToolMgr& tools() { return tools_; }
    CPageTree* pageTree() const { return tree_; }
    CPage* currentPage() const { return currentPage_; }
    PropertyPane* shownPane() const { return shown_; }
    CPageProperty* pagePane() const { return pagePane_; }
    const std::string& pictureName() const { return pictureName_; }
    int language() const { return language_; }
    bool gridOn() const { return gridOn_; }
    // The folder whose "pic" holds the project's pictures: the project file's folder, or the
    // unsaved project's folder while the project has no file (the first save copies them
    // beside it).
    std::filesystem::path projectFolder() const;
    // The view as painted: panel, display area, grid and page.
    QImage picture();

    // "Panel pixels": the display shows the page as the panel's renderer draws it from this
    // image (nullptr: as the editor draws the widgets). Hit tests and handles stay the editor's.
    void setPanelImage(std::shared_ptr<const panel::PanelImage> image);
    bool showsPanelPixels() const { return panelImage_ != nullptr; }
    // Shows the page and selects the widget with its pane (widget 0: the page's own pane).
    void showWidget(int pageNumber, int32_t widgetId);

    // oonedraw::GWindow
    void InvalidateArea(const oonedraw::GIntRect& area) override;
    oonedraw::GDrawContext* ClientContext() override;

signals:
    // The pointer's position in view units, "%4d,%4d", for the status bar; over the display
    // followed by the display pixel, "%4d,%4d  (%d, %d)".
    void pointerTextChanged(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    QSize sizeHint() const override { return {kLayoutWidth, 580}; }

private:
    struct SelectionKey {
        std::optional<int32_t> id;
        std::string typeName = "Page";
        bool operator==(const SelectionKey&) const = default;
    };

    void createPanes();
    void takeCommands();
    void takeEditCommands();
    void takeClipboardCommands();
    void takeSelectionCommands();
    // Align, distribute and same size of the selected widgets (CZorvEditorViewAlign.cpp).
    void takeLayoutCommands();
    std::vector<LayoutBox> selectedBoxes();
    void updateLayoutActions();
    void arrangeSelection(Arrange how, const char* editName);
    // A static text's text edited over it on the canvas (CZorvEditorViewText.cpp): false when
    // the selection is no single static text.
    bool editTextInPlace();
    void storeCanvasText(const QString& typed);
    // The box the selected widgets span, in view units.
    struct SelectionBox {
        oonedraw::GPoint topLeft;
        int32_t width = 0, height = 0;
    };
    SelectionBox selectionBox();
    // The pane of the one selected widget, of several (CZorvEditorViewSeveral.cpp), else the
    // page's.
    void showSelectionPane();
    void createSeveralPane();
    // False when fewer than two widgets are selected.
    bool showSeveralPane();
    // What the pane of several widgets set, stored as one edit.
    void storeSeveral();
    void selectAll();
    oonedraw::GObject* objectAt(QPoint at);
    // Shift or Ctrl and a click: the widget there joins or leaves the selection.
    bool toggleAt(QPoint at);
    QRect bandRect() const;
    void selectInBand();
    // The frame of a drag and the rubber band, in black and white so that they show on the grey
    // display and on every widget.
    void drawFrames(QPainter& painter);
    // The widget's pane (or the page's) takes the keyboard.
    void focusPane();
    // Paste is enabled while the clipboard holds widgets.
    void updatePasteAction();
    // Puts the selected widgets on the clipboard; false when there are none.
    bool copySelection();
    void paste();
    void updateEditActions();
    // Undo (forward false) or Redo.
    void stepHistory(bool forward);
    // Shows the project as an undone or redone edit left it; no pane is stored on the way.
    void showEdit(const EditPlace& place);
    // Records the change from the shown page to `after`; nothing when they are the same.
    bool changePage(const std::string& name, const CPage& after);
    // Records where the selected widgets stand now on the canvas.
    void storePositions();
    // Places the children for the window's size and zoom; the panel keeps its scrolling, or
    // scrolls so that the middle of the display is in the middle of its part of the window.
    void layoutChildren(bool centreDisplay = false);
    void setZoomStep(int step);
    // The view point under a point of the window.
    QPoint viewPointOf(QPoint window) const { return layout_.toView(window); }
    // Paints the panel as the backing image holds it, scaled to the zoom.
    void drawPanelArea(QPainter& painter, const QRect& area);
    void rebuildTree(int selectNumber);
    void pageSelectionChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous);
    void loadPage(CPage& page);
    void reloadCurrentPage();
    void showPageProperties();
    void showPane(PropertyPane* pane);
    void storePane(PropertyPane& pane);
    // The widget's object on the canvas drawn as the node's record has it.
    void showOnCanvas(const WidgetNode& node);
    PropertyPane* paneFor(std::string_view typeName) const;
    void updatePaneContext();
    void pageDescriptionChanged();
    void newPage();
    void copyPage();
    void copyPageSet(const PageChoice& choice);
    void deletePage();
    bool confirmPlace(int number, PlaceMode mode);
    void chooseTool(const char* name);
    // The keyboard's placing and walking (CZorvEditorViewKeys.cpp).
    std::optional<Extent> toolExtent();
    void beginKeyboardPlacement();
    // The frame goes and the status bar's prompt with it.
    void endKeyboardPlacement();
    void sayInStatusBar(const QString& text);
    bool placing() const;
    void movePlaceCursor(int key);
    void placeByKeyboard();
    void walkWidgets(bool forward);
    void drawKeyboardFocus(QPainter& painter);
    void updateToolChecks();
    void setLanguage(int language);
    void importPicture();

    void leftPress(QPoint at, uint32_t keys);
    // `snap`: the drag ends on the lines that catch it (Alt held: where the pointer is).
    void leftRelease(QPoint at, uint32_t keys, bool snap);
    void placeWidget(uint32_t keys);
    // Where the dragged selection's corner lies for the pointer; `snap` lays it on the other
    // widgets' lines or the text cell grid (Alt drags without).
    oonedraw::GPoint dragTopLeft(QPoint pointer, bool snap);

    // Resizing by a corner handle of a selected widget (CZorvEditorViewResize.cpp).
    struct HandleHit {
        oonedraw::GObject* object = nullptr;
        Corner corner = Corner::TopLeft;
        bool sized = false; // the widget's kind has a size: the handle resizes it
    };
    struct ResizeDrag {
        int32_t id = 0;
        WidgetKind kind = WidgetKind::None;
        Corner corner = Corner::TopLeft;
        DisplayBox start;
        std::vector<uint8_t> before; // the record at the press
        std::vector<uint8_t> shown;  // the record the widget and its pane show now
        QPoint grab;                 // the pointer less the corner, in view units
    };
    std::optional<HandleHit> handleAt(QPoint at);
    bool beginResize(const HandleHit& hit, QPoint at);
    void dragResize(QPoint at, bool snap);
    void endResize(QPoint at, bool snap);
    DisplayBox displayBoxOf(const oonedraw::GObject& object) const;
    // The boxes of the page's widgets a drag lines up with: all but the selected ones.
    std::vector<DisplayBox> snapTargets() const;
    void updateCursor(QPoint at);
    void drawGuides(QPainter& painter);
    bool handleKey(int key);
    void deleteSelection(const char* editName = "Delete");
    void escape();
    void nudge(int key);
    void postPosition(oonedraw::GPoint viewTopLeft);
    oonedraw::GObject* firstSelected();
    SelectionKey selectionKey();
    oonedraw::GPoint viewTopLeft(const oonedraw::GObject& object) const;
    std::string currentToolName() const { return tools_.currentName; }
    void markModified();

    // Painting into the backing image.
    QRect panelArea() const;
    QRect displayArea() const;
    void beginOnBacking(QPainter& painter);
    void renderDirty();
    void drawScene(QPainter& painter);
    void drawPanelPixels(QPainter& painter);
    void endFeedback();

    EditorServices services_;
    ProjectCommands* commands_ = nullptr;
    EditHistory* history_ = nullptr;
    CSceneCanvas canvas_;
    oonedraw::GToolMgr tools_;
    oonedraw::GLibraryGlyphs glyphs_;
    CPageTree* tree_ = nullptr;
    QScrollBar* hScroll_ = nullptr;
    QScrollBar* vScroll_ = nullptr;
    QLineEdit* keySink_ = nullptr;
    CanvasTextEditor* textEditor_ = nullptr;
    QtPageDialogs qtDialogs_;
    PageDialogs* pageDialogs_ = &qtDialogs_;
    std::function<void(QMenu&, const QPoint&)> popup_;

    CHCData* project_ = nullptr;
    CPage* currentPage_ = nullptr;
    // In view units: they move right as the window widens beyond the 750 pixels wide layout.
    oonedraw::GIntRect displayRect_{290, 55, 674, 183};
    oonedraw::GIntRect panelRect_{220, 15, 740, 273};
    int layoutWidth_ = kLayoutWidth;
    ViewLayout layout_;
    int chosenStep_ = 0; // 0: the largest step at which the panel fits the window
    bool gridOn_ = true;
    bool pageShown_ = false;
    int language_ = 0;

    std::shared_ptr<const panel::PanelImage> panelImage_;

    CPageProperty* pagePane_ = nullptr;
    CMultiProperty* multiPane_ = nullptr;
    int paneHeight_ = 0;               // the least height every pane needs
    std::vector<PropertyPane*> panes_; // children of the view, the page pane first
    PropertyPane* shown_ = nullptr;
    std::vector<uint8_t> paneBaseline_; // the shown pane's record as it was shown

    bool pressedInDisplay_ = false;
    bool extendKey_ = false;
    bool banding_ = false;
    QPoint bandStart_, bandEnd_;
    QRect dragFrame_;
    bool moved_ = false;
    std::optional<ResizeDrag> resize_;
    Guides guides_; // the lines a drag snapped to, shown while it lasts
    oonedraw::GPoint downPoint_;
    QPoint grabOffset_;
    std::string pictureName_;
    std::optional<QPoint> placeCursor_; // where Enter places the current tool's widget

    QImage panelPicture_;
    QImage backing_; // the panel in view units, its top-left corner at panelRect_'s
    QRegion dirty_;
    QtDrawContext drawContext_;
    QPainter feedbackPainter_;
    QtDrawContext feedbackContext_;
};

} // namespace zorv
