// The editing view's making: its panes and commands, the layout of panel, tree and pane with
// zoom and scroll bars, the tool and language choices.

#include "editor/CZorvEditorView.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

#include "commands/ActionRegistry.h"
#include "commands/CommandTable.h"
#include "editor/CPageTree.h"
#include "editor/ProjectCommands.h"
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
#include "panel/PanelImage.h"
#include "panel/PanelRenderer.h"
#include "panel/ui/PanelPictureImage.h"
#include "panes/CPageProperty.h"
#include "panes/PaneFactory.h"
#include "platform/CodePageText.h"
#include "platform/Paths.h"
#include "platform/Prompt.h"
#include "platform/qt/FileChooser.h"

// The panel picture is a resource of this static library: it is registered before first use.
static void initEditorResources() {
    Q_INIT_RESOURCE(editor);
}

namespace zorv {

namespace {

// The widget menu's tools and the commands that choose them.
struct ToolCommand {
    CommandId id;
    const char* tool;
};
constexpr ToolCommand kToolCommands[] = {
    {CommandId::WidgetLight, "Led"},
    {CommandId::WidgetKey, "Key"},
    {CommandId::WidgetStaticText, "StaticText"},
    {CommandId::WidgetDynamicText, "DynamicText"},
    {CommandId::WidgetRegister, "Register"},
    {CommandId::WidgetBarGraph, "Bar"},
    {CommandId::WidgetTrendChart, "Trend"},
    {CommandId::WidgetMenu, "Menu"},
    {CommandId::WidgetAlarm, "Alarm"},
    {CommandId::WidgetPicture, "Picture"},
    {CommandId::WidgetPassword, "Password"},
};

// The panes the view keeps: the page's and one per widget type name.
constexpr const char* kPaneNames[] = {"Page", "StaticText", "DynamicText", "Led",
                                      "Key",  "Register",   "Picture",     "Password",
                                      "Menu", "Alarm",      "Bar",         "Trend"};

void placeScrollBar(QScrollBar& bar, int range, int value, int page, const QRect& at) {
    const QSignalBlocker quiet(&bar);
    bar.setRange(0, range);
    bar.setPageStep(page);
    bar.setSingleStep(16);
    bar.setValue(value);
    bar.setGeometry(at);
    bar.setVisible(range > 0);
}

QRect qrect(const oonedraw::GIntRect& r) {
    return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
}

} // namespace

CZorvEditorView::CZorvEditorView(const EditorServices& services, QWidget* parent)
    : QWidget(parent), services_(services), tools_(&canvas_),
      // User characters come from the work folder's library once the character tool saved one.
      glyphs_(libraryLocator(services.paths),
              [this](const std::string& text) { services_.prompt.message(text); }),
      qtDialogs_(services.prompt),
      panelPicture_((initEditorResources(), QStringLiteral(":/editor/panel.png"))) {
    setAccessibleName(tr("Page editor"));
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    canvas_.window = this;
    canvas_.glyphs = &glyphs_;
    tools_.view = this;
    registerPageTools(tools_);
    WidgetBitmaps::shared().setProgramFolder(services.paths.programFolder());

    tree_ = new CPageTree(this);
    connect(tree_, &QTreeWidget::currentItemChanged, this, &CZorvEditorView::pageSelectionChanged);
    connect(tree_, &CPageTree::popupRequested, this, [this](const QPoint& at) {
        QMenu menu(this);
        for (const LayoutEntry& entry : pagePopupLayout()) {
            if (entry.item == LayoutItem::Separator)
                menu.addSeparator();
            else if (entry.item == LayoutItem::Command)
                menu.addAction(services_.actions.action(entry.id));
        }
        if (popup_)
            popup_(menu, at);
        else
            menu.exec(at);
    });
    // The hidden read-only field that takes the keyboard after a press in the display, so that
    // the keys act on the page's widgets and not on the tree.
    keySink_ = new QLineEdit(this);
    keySink_->setReadOnly(true);
    keySink_->setObjectName(QStringLiteral("pageKeys"));
    keySink_->setAccessibleName(tr("Page display"));
    keySink_->setGeometry(0, 0, 1, 1);
    keySink_->lower();
    keySink_->installEventFilter(this);

    // The panel scrolls where the zoom makes it larger than its part of the window.
    hScroll_ = new QScrollBar(Qt::Horizontal, this);
    vScroll_ = new QScrollBar(Qt::Vertical, this);
    hScroll_->setObjectName(QStringLiteral("panelSideways"));
    vScroll_->setObjectName(QStringLiteral("panelUpDown"));
    hScroll_->setAccessibleName(tr("Scroll the panel sideways"));
    vScroll_->setAccessibleName(tr("Scroll the panel up and down"));
    for (QScrollBar* bar : {hScroll_, vScroll_}) {
        bar->hide();
        connect(bar, &QScrollBar::valueChanged, this, [this] { layoutChildren(); });
    }

    createPanes();
    takeCommands();
    takeEditCommands();
    takeClipboardCommands();
    takeSelectionCommands();
    takeLayoutCommands();
    commands_ = new ProjectCommands(services_, *this);
    backing_ = QImage(qrect(panelRect_).size(), QImage::Format_RGB32);
    dirty_ = QRegion(qrect(panelRect_));
    layoutChildren();
}

CZorvEditorView::~CZorvEditorView() {
    endFeedback();
    // The tools hold the canvas; the canvas's objects go before the panes' context is gone.
    tools_.tools.clear();
    canvas_.ClearAll();
}

void CZorvEditorView::createPanes() {
    for (const char* name : kPaneNames) {
        std::unique_ptr<PropertyPane> made = makePane(name, this);
        if (!made)
            continue;
        PropertyPane* pane = made.release(); // owned by the view as its child
        pane->hide();
        connect(pane, &PropertyPane::pageDescriptionChanged, this,
                &CZorvEditorView::pageDescriptionChanged);
        connect(pane, &PropertyPane::documentModified, this, &CZorvEditorView::markModified);
        connect(pane, &PropertyPane::textChanged, this, [this, pane] {
            if (auto* text = dynamic_cast<oonedraw::GText*>(firstSelected()))
                text->SetText(pane->displayText());
        });
        connect(pane, &PropertyPane::lookChanged, this, [this, pane] {
            if (pane != shown_ || !currentPage_)
                return;
            if (const WidgetNode* stored = currentPage_->findWidget(pane->widgetId()))
                showOnCanvas(WidgetNode{stored->id, stored->kind, pane->workingRecord()});
        });
        // Only the pane on show speaks for the selection; one the view has left was stored.
        connect(pane, &PropertyPane::recordApplied, this, [this, pane] {
            if (pane == shown_)
                storePane(*pane);
        });
        if (!pagePane_)
            pagePane_ = qobject_cast<CPageProperty*>(pane);
        panes_.push_back(pane);
    }
    createSeveralPane();
    shown_ = pagePane_;
    for (const PropertyPane* pane : panes_)
        paneHeight_ = std::max(paneHeight_, pane->minimumSizeHint().height());
    // Docks below the view never squeeze the panes below what they need. The width is left
    // free: a view narrower than the layout keeps the layout it had.
    setMinimumHeight(leastViewSize(paneHeight_).height());
}

void CZorvEditorView::takeCommands() {
    ActionRegistry& actions = services_.actions;
    actions.handle(CommandId::PageNew, this, [this] { newPage(); });
    actions.handle(CommandId::PageCopy, this, [this] { copyPage(); });
    actions.handle(CommandId::PageDelete, this, [this] { deletePage(); });
    actions.handle(CommandId::ToolGridlines, this, [this] {
        gridOn_ = !gridOn_;
        services_.actions.action(CommandId::ToolGridlines)->setChecked(gridOn_);
        InvalidateArea(displayRect_);
    });
    actions.action(CommandId::ToolGridlines)->setChecked(gridOn_);
    actions.handle(CommandId::ViewZoomIn, this, [this] { zoomIn(); });
    actions.handle(CommandId::ViewZoomOut, this, [this] { zoomOut(); });
    actions.handle(CommandId::ViewZoomActual, this, [this] { zoomActual(); });
    actions.handle(CommandId::Language1, this, [this] { setLanguage(0); });
    actions.handle(CommandId::Language2, this, [this] { setLanguage(1); });
    actions.checkOnly({CommandId::Language1, CommandId::Language2}, CommandId::Language1);
    for (const ToolCommand& command : kToolCommands) {
        if (command.id == CommandId::WidgetPicture)
            actions.handle(command.id, this, [this] { importPicture(); });
        else
            actions.handle(command.id, this, [this, tool = command.tool] {
                chooseTool(tool);
                beginKeyboardPlacement();
            });
    }
    updateToolChecks();
}

// ---- layout and painting -------------------------------------------------------------------

void CZorvEditorView::layoutChildren(bool centreDisplay) {
    std::optional<QPoint> scroll;
    if (!centreDisplay)
        scroll = QPoint(hScroll_->value(), vScroll_->value());
    layout_ = layoutView({size(), chosenStep_, QPoint(panelRect_.left, panelRect_.top), scroll,
                          style()->pixelMetric(QStyle::PM_ScrollBarExtent), paneHeight_});
    tree_->setGeometry(layout_.tree);
    for (PropertyPane* pane : panes_)
        pane->setGeometry(layout_.pane);
    const QRect& area = layout_.area;
    const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    placeScrollBar(*hScroll_, layout_.scrollRange.width(), layout_.scroll.x(), area.width(),
                   QRect(area.left(), area.bottom() + 1, area.width(), extent));
    placeScrollBar(*vScroll_, layout_.scrollRange.height(), layout_.scroll.y(), area.height(),
                   QRect(area.right() + 1, area.top(), extent, area.height()));
    services_.actions.action(CommandId::ViewZoomIn)
        ->setEnabled(layout_.step < ViewLayout::kMaxStep);
    services_.actions.action(CommandId::ViewZoomOut)
        ->setEnabled(layout_.step > ViewLayout::kMinStep);
    update();
}

void CZorvEditorView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    endFeedback();
    const int w = width(), h = height();
    // A window smaller than the 750 x 560 layout keeps the layout it had.
    if (w < kLayoutWidth || h < kLayoutHeight)
        return;
    const int d = w - layoutWidth_;
    layoutWidth_ = w;
    for (oonedraw::GIntRect* r : {&displayRect_, &panelRect_}) {
        r->left += d;
        r->right += d;
    }
    canvas_.originX = displayRect_.left - kDisplayLeft;
    dirty_ = QRegion(panelArea());
    layoutChildren();
    if (!pageShown_ || d == 0)
        return;
    if (shown_ != pagePane_) {
        // The objects are made anew at the new place, so the page pane shows whatever the
        // widget's pane said.
        commitProperties();
        showPane(pagePane_);
    }
    canvas_.ClearAll();
    if (currentPage_)
        loadPage(*currentPage_);
    chooseTool("select");
}

QRect CZorvEditorView::panelArea() const {
    return qrect(panelRect_);
}

QRect CZorvEditorView::displayArea() const {
    return qrect(displayRect_);
}

oonedraw::GIntRect CZorvEditorView::propertyRect() const {
    const QRect& r = layout_.pane;
    return {r.left(), r.top(), r.right() + 1, r.bottom() + 1};
}

void CZorvEditorView::setZoomStep(int step) {
    chosenStep_ = std::clamp(step, int(ViewLayout::kMinStep), int(ViewLayout::kMaxStep));
    layoutChildren(true);
}

void CZorvEditorView::zoomIn() {
    setZoomStep(layout_.step + 1);
}

void CZorvEditorView::zoomOut() {
    setZoomStep(layout_.step - 1);
}

void CZorvEditorView::zoomActual() {
    setZoomStep(ViewLayout::kMinStep);
}

// ---- tools -----------------------------------------------------------------------------------

void CZorvEditorView::chooseTool(const char* name) {
    tools_.SelectTool(name);
    if (tools_.currentName == "select")
        endKeyboardPlacement();
    updateToolChecks();
}

void CZorvEditorView::updateToolChecks() {
    for (const ToolCommand& command : kToolCommands)
        services_.actions.action(command.id)->setChecked(tools_.currentName == command.tool);
}

void CZorvEditorView::setLanguage(int language) {
    language_ = language;
    services_.actions.checkOnly({CommandId::Language1, CommandId::Language2},
                                language == 0 ? CommandId::Language1 : CommandId::Language2);
    updatePaneContext();
    // The texts on the page follow at once.
    reloadCurrentPage();
}

void CZorvEditorView::importPicture() {
    const QString chosen = services_.files.openFile(
        this, tr("Open"), QString::fromStdString(projectFolder()), qtFileFilter(kPictureFilter));
    if (chosen.isEmpty())
        return;
    const std::filesystem::path source = chosen.toStdString();
    if (!loadMonochromeBitmap(source)) {
        services_.prompt.message(kPictureFormatMessage);
        return;
    }
    const std::optional<std::string> name = copyIntoPictureFolder(source, projectFolder());
    if (!name) {
        services_.prompt.message(docmsg::kTargetOpenFailed);
        return;
    }
    pictureName_ = *name;
    chooseTool("Picture");
    beginKeyboardPlacement();
}

// ---- pointer ---------------------------------------------------------------------------------

void CZorvEditorView::markModified() {
    services_.document.setModified(true);
}

} // namespace zorv
