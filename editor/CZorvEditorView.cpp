#include "editor/CZorvEditorView.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>
#include <algorithm>

#include "app/commands/ActionRegistry.h"
#include "app/commands/CommandTable.h"
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

constexpr uint32_t kGreyDisplay = 0x808080;

QRect qrect(const oonedraw::GIntRect& r) {
    return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
}

bool inside(const oonedraw::GIntRect& r, QPoint p) {
    return r.contains(p.x(), p.y());
}

uint32_t keysOf(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    uint32_t keys = 0;
    if (buttons & Qt::LeftButton)
        keys |= oonedraw::kLeftButton;
    if (modifiers & Qt::ControlModifier)
        keys |= oonedraw::kCtrlKey;
    return keys;
}

oonedraw::GRect shifted(const oonedraw::GIntRect& r, int dx) {
    return {double(r.left + dx), double(r.top), double(r.right + dx), double(r.bottom)};
}

} // namespace

CZorvEditorView::CZorvEditorView(const EditorServices& services, QWidget* parent)
    : QWidget(parent), services_(services), tools_(&canvas_),
      // User characters come from the work folder's library once the character tool saved one.
      glyphs_(libraryLocator(services.paths),
              [this](const std::string& text) { services_.prompt.message(text); }),
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

    createPanes();
    takeCommands();
    takeEditCommands();
    takeClipboardCommands();
    takeSelectionCommands();
    commands_ = new ProjectCommands(services_, *this);
    layoutChildren();
    backing_ = QImage(sizeHint(), QImage::Format_RGB32);
    dirty_ = QRegion(backing_.rect());
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
        connect(pane, &PropertyPane::numericFormatChanged, this, [this](int digits, int decimals) {
            if (auto* text = dynamic_cast<oonedraw::GText*>(firstSelected()))
                text->SetText(numericSampleText(digits, decimals));
        });
        connect(pane, &PropertyPane::lightImageChanged, this, [this](int shape, int size) {
            const char* name = shape == 1    ? "icon2/Led_Quadrate1.bmp"
                               : shape == 10 ? "icon2/Led_Round2.bmp"
                               : shape == 11 ? "icon2/Led_Quadrate2.bmp"
                                             : "icon2/Led_Round1.bmp";
            if (auto* image = dynamic_cast<oonedraw::GImage*>(firstSelected())) {
                image->LoadFile(services_.paths.programFolder() / name);
                image->SetScale(size < 1 ? 1.0f : 2.0f);
                canvas_.Invalidate(shifted(displayRect_, -int(canvas_.originX)));
            }
        });
        connect(pane, &PropertyPane::keyImageChanged, this, [this](int code, int size) {
            static const char* const keys[] = {"Esc", "Set", "Down", "Up", "Right", "Enter"};
            const int digit = code >= 100 ? 3 : code >= 10 ? 2 : 1;
            const int index = code % 10;
            const bool known = (code >= 0 && code <= 5) || (code >= 10 && code <= 15) ||
                               (code >= 100 && code <= 105) || (code >= 110 && code <= 115);
            const std::string name =
                known ? "icon2/Key_" + std::string(keys[index]) + std::to_string(digit) + ".bmp"
                      : "icon2/Key_Esc1.bmp";
            if (auto* image = dynamic_cast<oonedraw::GImage*>(firstSelected())) {
                image->LoadFile(services_.paths.programFolder() / name);
                image->SetScale(size < 1 ? 1.0f : 2.0f);
                canvas_.Invalidate(shifted(displayRect_, -int(canvas_.originX)));
            }
        });
        connect(pane, &PropertyPane::recordApplied, this, [this, pane] { storePane(*pane); });
        if (!pagePane_)
            pagePane_ = qobject_cast<CPageProperty*>(pane);
        panes_.push_back(pane);
    }
    shown_ = pagePane_;
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
    actions.handle(CommandId::Language1, this, [this] { setLanguage(0); });
    actions.handle(CommandId::Language2, this, [this] { setLanguage(1); });
    actions.checkOnly({CommandId::Language1, CommandId::Language2}, CommandId::Language1);
    for (const ToolCommand& command : kToolCommands) {
        if (command.id == CommandId::WidgetPicture)
            actions.handle(command.id, this, [this] { importPicture(); });
        else
            actions.handle(command.id, this, [this, tool = command.tool] { chooseTool(tool); });
    }
    updateToolChecks();
}

// ---- layout and painting -------------------------------------------------------------------

void CZorvEditorView::layoutChildren() {
    const int grow = layoutWidth_ - kLayoutWidth;
    tree_->setGeometry(10, 10, 200 + grow, 540);
    for (PropertyPane* pane : panes_)
        pane->setGeometry(propertyArea());
}

void CZorvEditorView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    endFeedback();
    if (backing_.size() != size()) {
        backing_ = QImage(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
        dirty_ = QRegion(backing_.rect());
    }
    const int w = width(), h = height();
    if (w < kLayoutWidth || h < kLayoutHeight)
        return;
    const int d = w - layoutWidth_;
    layoutWidth_ = w;
    for (oonedraw::GIntRect* r : {&displayRect_, &panelRect_, &propertyRect_}) {
        r->left += d;
        r->right += d;
    }
    canvas_.originX = displayRect_.left - kDisplayLeft;
    for (PropertyPane* pane : panes_)
        pane->setGeometry(propertyArea());
    tree_->setGeometry(
        QRect(QPoint(10, 10), QPoint(210 + w - kLayoutWidth - 1, 550 + h - kLayoutHeight - 1)));
    dirty_ = QRegion(backing_.rect());
    update();
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

QRect CZorvEditorView::propertyArea() const {
    return qrect(propertyRect_);
}

void CZorvEditorView::InvalidateArea(const oonedraw::GIntRect& area) {
    const QRect r = QRect(QPoint(area.left, area.top), QPoint(area.right - 1, area.bottom - 1));
    dirty_ += r.intersected(backing_.rect());
    update(r);
}

void CZorvEditorView::drawScene(QPainter& painter) {
    painter.fillRect(backing_.rect(), palette().window());
    painter.drawImage(QPoint(panelRect_.left, panelRect_.top), panelPicture_);
    drawContext_.setPainter(&painter);
    drawContext_.SetPen({1, 0x000000, 0});
    drawContext_.SetBrush({0, kGreyDisplay, 0});
    drawContext_.Rectangle(displayRect_);
    if (gridOn_)
        for (int j = 0; j < displayRect_.bottom - displayRect_.top; j += 16)
            for (int i = 0; i < displayRect_.right - displayRect_.left; i += 16)
                drawContext_.Pixel(displayRect_.left + i, displayRect_.top + j, 0x000000);
    painter.save();
    painter.translate(canvas_.originX, canvas_.originY);
    canvas_.SetDrawingContext(&drawContext_);
    canvas_.Draw();
    painter.restore();
    drawContext_.setPainter(nullptr);
    if (panelImage_)
        drawPanelPixels(painter);
}

void CZorvEditorView::drawPanelPixels(QPainter& painter) {
    const std::optional<int> index =
        currentPage_ ? panelImage_->pageOfNumber(currentPage_->number()) : std::nullopt;
    if (!index)
        return;
    const panel::PanelPicture shown =
        panel::renderPage(*panelImage_, *index, language_, panel::PanelRegisters{});
    // Two view units a display pixel, never smoothed.
    painter.drawImage(QPoint(displayRect_.left, displayRect_.top), panel::pictureImage(shown, 2));
    // The selection stays visible over the panel's pixels.
    painter.save();
    painter.setPen(QPen(QColor(0, 120, 215), 1, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    for (oonedraw::GObject* object : canvas_.children) {
        if (!object->has(oonedraw::kSelected))
            continue;
        const oonedraw::GPoint topLeft = viewTopLeft(*object);
        painter.drawRect(QRectF(topLeft.x, topLeft.y, object->Width() - 1, object->Height() - 1));
    }
    painter.restore();
}

void CZorvEditorView::setPanelImage(std::shared_ptr<const panel::PanelImage> image) {
    panelImage_ = std::move(image);
    InvalidateArea(displayRect_);
}

void CZorvEditorView::renderDirty() {
    if (dirty_.isEmpty())
        return;
    endFeedback();
    QPainter painter(&backing_);
    painter.setClipRegion(dirty_);
    dirty_ = QRegion();
    drawScene(painter);
}

oonedraw::GDrawContext* CZorvEditorView::ClientContext() {
    renderDirty();
    if (!feedbackPainter_.isActive()) {
        feedbackPainter_.begin(&backing_);
        feedbackContext_.setPainter(&feedbackPainter_);
    }
    return &feedbackContext_;
}

void CZorvEditorView::endFeedback() {
    if (!feedbackPainter_.isActive())
        return;
    feedbackContext_.setPainter(nullptr);
    feedbackPainter_.end();
    update();
}

void CZorvEditorView::paintEvent(QPaintEvent* event) {
    endFeedback();
    renderDirty();
    QPainter painter(this);
    painter.drawImage(event->rect(), backing_, event->rect());
    drawFrames(painter);
}

QImage CZorvEditorView::picture() {
    endFeedback();
    renderDirty();
    return backing_.copy();
}

// ---- tools -----------------------------------------------------------------------------------

void CZorvEditorView::chooseTool(const char* name) {
    tools_.SelectTool(name);
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
}

// ---- pointer ---------------------------------------------------------------------------------

oonedraw::GObject* CZorvEditorView::firstSelected() {
    const auto& members = canvas_.GetSelection()->children;
    return members.empty() ? nullptr : members.front();
}

CZorvEditorView::SelectionKey CZorvEditorView::selectionKey() {
    if (oonedraw::GObject* object = firstSelected())
        return {object->id, object->name};
    return {};
}

oonedraw::GPoint CZorvEditorView::viewTopLeft(const oonedraw::GObject& object) const {
    oonedraw::GPoint p;
    object.TopLeft(p);
    return {p.x + canvas_.originX, p.y + canvas_.originY};
}

void CZorvEditorView::postPosition(oonedraw::GPoint viewTopLeft) {
    const oonedraw::GPoint pixel = displayPixelOf(viewTopLeft, displayRect_);
    if (shown_)
        shown_->setPosition(int(pixel.x), int(pixel.y));
}

void CZorvEditorView::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::RightButton) {
        // A pending placement ends.
        chooseTool("select");
        QWidget::mousePressEvent(event);
        return;
    }
    extendKey_ = event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier);
    if (event->button() == Qt::LeftButton && inside(displayRect_, at) && currentPage_)
        leftPress(at, keysOf(event->buttons(), event->modifiers()));
    endFeedback();
    QWidget::mousePressEvent(event);
}

void CZorvEditorView::leftPress(QPoint at, uint32_t keys) {
    // A press in the display leaves the pane as Enter would; a pane that refuses stays, with its
    // widget selected.
    if (shown_ && !shown_->apply())
        return;
    if (currentToolName() == "select" && extendKey_ && toggleAt(at)) {
        keySink_->setFocus();
        return;
    }
    const SelectionKey previous = selectionKey();
    oonedraw::GPoint point{double(at.x()), double(at.y())};
    const std::string tool = currentToolName();
    if (tool != "select") {
        Extent picture;
        if (tool == "Picture")
            if (auto bitmap = loadMonochromeBitmap(picturePath(projectFolder(), pictureName_)))
                picture = {bitmap->width, bitmap->height};
        if (const std::optional<Extent> extent = placementExtent(tool, picture))
            point = shiftInward(point, *extent, displayRect_);
    }
    downPoint_ = point;
    if (oonedraw::GTool* current = tools_.Current())
        current->OnButtonDown({point.x, point.y, keys});
    keySink_->setFocus();
    const SelectionKey now = selectionKey();
    if (firstSelected()) {
        const oonedraw::GPoint topLeft = selectionBox().topLeft;
        grabOffset_ = QPoint(at.x() - int(topLeft.x), at.y() - int(topLeft.y));
    } else if (tool == "select") {
        banding_ = true;
        bandStart_ = bandEnd_ = at;
    }
    if (now.id != previous.id) {
        if (shown_)
            storePane(*shown_);
        showSelectionPane();
    }
    pressedInDisplay_ = true;
}

oonedraw::GPoint CZorvEditorView::dragTopLeft(QPoint pointer) {
    const SelectionBox box = selectionBox();
    const Extent size{box.width, box.height};
    return snappedTopLeft(pointer.x(), pointer.y(), grabOffset_.x(), grabOffset_.y(), size,
                          displayRect_, kSnapStep);
}

void CZorvEditorView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit pointerTextChanged(QString::asprintf("%4d,%4d", at.x(), at.y()));
    if (currentToolName() != "select" && inside(displayRect_, at))
        setCursor(Qt::CrossCursor);
    else
        unsetCursor();
    const uint32_t keys = keysOf(event->buttons(), event->modifiers());
    if (pressedInDisplay_ && banding_ && (keys & oonedraw::kLeftButton)) {
        bandEnd_ = QPoint(std::clamp(at.x(), displayRect_.left, displayRect_.right - 1),
                          std::clamp(at.y(), displayRect_.top, displayRect_.bottom - 1));
        update();
    }
    if (pressedInDisplay_ && firstSelected() && (keys & oonedraw::kLeftButton) &&
        currentToolName() == "select") {
        moved_ = true;
        const oonedraw::GPoint topLeft = dragTopLeft(at);
        const SelectionBox box = selectionBox();
        dragFrame_ = QRect(int(topLeft.x), int(topLeft.y), box.width, box.height);
        update();
        postPosition(topLeft);
        if (oonedraw::GTool* tool = tools_.Current())
            tool->OnMouseMove({topLeft.x + grabOffset_.x(), topLeft.y + grabOffset_.y(), keys});
        endFeedback();
    }
    QWidget::mouseMoveEvent(event);
}

void CZorvEditorView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && pressedInDisplay_) {
        pressedInDisplay_ = false;
        leftRelease(event->position().toPoint(),
                    keysOf(event->buttons() | Qt::LeftButton, event->modifiers()) &
                        ~uint32_t(oonedraw::kLeftButton));
        endFeedback();
    }
    QWidget::mouseReleaseEvent(event);
}

void CZorvEditorView::leftRelease(QPoint at, uint32_t keys) {
    oonedraw::GTool* tool = tools_.Current();
    dragFrame_ = QRect();
    if (banding_) {
        banding_ = false;
        if (tool)
            tool->OnButtonUp({double(at.x()), double(at.y()), keys});
        selectInBand();
        update();
        return;
    }
    if (moved_) {
        const oonedraw::GPoint topLeft = dragTopLeft(at);
        postPosition(topLeft);
        if (tool)
            tool->OnButtonUp({topLeft.x + grabOffset_.x(), topLeft.y + grabOffset_.y(), keys});
        moved_ = false;
        storePositions();
    } else if (currentToolName() != "select") {
        placeWidget(keys);
    } else if (tool && inside(displayRect_, at)) {
        tool->OnButtonUp({double(at.x()), double(at.y()), keys});
    }
}

void CZorvEditorView::placeWidget(uint32_t keys) {
    if (!currentPage_)
        return;
    const std::string name = currentToolName();
    if (!commitProperties())
        return;
    if (shown_)
        shown_->hide();
    const std::size_t count = canvas_.children.size();
    if (oonedraw::GTool* tool = tools_.Current())
        tool->OnButtonUp({downPoint_.x, downPoint_.y, keys});
    CPage after = *currentPage_;
    WidgetNode* node = canvas_.children.size() > count ? after.addWidget(name) : nullptr;
    if (!node) {
        showPane(shown_);
        return;
    }
    oonedraw::GObject* object = canvas_.children.back();
    object->id = node->id;
    const oonedraw::GPoint pixel = displayPixelOf(downPoint_, displayRect_);
    le::putU16(node->record.data() + 2, uint16_t(pixel.x));
    le::putU16(node->record.data() + 4, uint16_t(pixel.y));
    std::optional<MonochromeBitmap> bitmap;
    if (node->kind == WidgetKind::Picture) {
        bitmap = loadMonochromeBitmap(picturePath(projectFolder(), pictureName_));
        PictureRecord record = node->get<PictureRecord>();
        if (bitmap)
            fillPictureRecord(record, *bitmap, pictureName_);
        else
            record.setPictureName(pictureName_);
        node->set(record);
    }
    PropertyPane* pane = paneFor(name);
    pane->loadRecord(node->record, node->id);
    if (bitmap)
        pane->setPictureSize(bitmap->width, bitmap->height);
    // The new widget is stored as its pane completes it (a light's symbol text, say), as leaving
    // the pane would store it.
    if (std::vector<uint8_t> completed = pane->workingRecord();
        completed.size() == node->record.size())
        node->record = std::move(completed);
    changePage("Place Widget", after);
    applyNode(*object, *node, language_, WidgetBitmaps::shared());
    if (auto* rect = dynamic_cast<oonedraw::GRectangle*>(object))
        rect->FitToContent();
    canvas_.Select(object, oonedraw::kSelectReplace);
    canvas_.Invalidate(oonedraw::BoundsOf(*object));
    pane->setPosition(int(pixel.x), int(pixel.y));
    showPane(pane);
    if (!(keys & oonedraw::kCtrlKey))
        chooseTool("select");
}

// ---- keys ------------------------------------------------------------------------------------

bool CZorvEditorView::eventFilter(QObject* watched, QEvent* event) {
    // The read-only field would take the clipboard, undo and select-all keys for its own text;
    // on the page they belong to the Edit menu's commands.
    if (watched == keySink_ && event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        for (QKeySequence::StandardKey k :
             {QKeySequence::Copy, QKeySequence::Cut, QKeySequence::Paste, QKeySequence::Undo,
              QKeySequence::Redo, QKeySequence::SelectAll}) {
            if (key->matches(k)) {
                event->ignore();
                return true;
            }
        }
    }
    // The read-only field has no use for these keys; taken here they do not reach the view
    // a second time as keys the field ignored.
    if (watched == keySink_ && event->type() == QEvent::KeyPress &&
        handleKey(static_cast<QKeyEvent*>(event)->key()))
        return true;
    return QWidget::eventFilter(watched, event);
}

void CZorvEditorView::keyPressEvent(QKeyEvent* event) {
    if (!handleKey(event->key()))
        QWidget::keyPressEvent(event);
}

bool CZorvEditorView::handleKey(int key) {
    switch (key) {
    case Qt::Key_Delete:
        deleteSelection();
        return true;
    case Qt::Key_Escape:
        escape();
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        nudge(key);
        return true;
    default:
        return false;
    }
}

void CZorvEditorView::deleteSelection(const char* editName) {
    if (!firstSelected() || !currentPage_ || !project_ || pressedInDisplay_)
        return;
    // The pane's last edits reach the record first: a picture's file goes by the name it holds.
    if (!commitProperties())
        return;
    CPage after = *currentPage_;
    for (oonedraw::GObject* object : canvas_.GetSelection()->children)
        after.removeWidget(object->id);
    changePage(editName, after);
    canvas_.DeleteSelection();
    InvalidateArea(displayRect_);
    showPane(pagePane_);
    showPageProperties();
}

void CZorvEditorView::escape() {
    chooseTool("select");
    if (shown_ != pagePane_) {
        // The widget's pane keeps the position of nudges: it reaches the record first.
        if (!commitProperties())
            return;
        showPane(pagePane_);
        showPageProperties();
    }
    canvas_.Select(nullptr, oonedraw::kSelectReplace);
    InvalidateArea(displayRect_);
}

void CZorvEditorView::nudge(int key) {
    const auto members = canvas_.GetSelection()->children;
    if (members.empty() || pressedInDisplay_)
        return;
    const Nudge side = key == Qt::Key_Left    ? Nudge::Left
                       : key == Qt::Key_Right ? Nudge::Right
                       : key == Qt::Key_Up    ? Nudge::Up
                                              : Nudge::Down;
    const SelectionBox box = selectionBox();
    const std::optional<oonedraw::GPoint> step =
        nudgeStep(side, box.topLeft, Extent{box.width, box.height}, displayRect_);
    if (!step)
        return;
    for (oonedraw::GObject* object : members)
        oonedraw::ChangeAndRepaint(*object, [&] { object->Move(step->x, step->y); });
    postPosition({box.topLeft.x + step->x, box.topLeft.y + step->y});
    storePositions();
}

void CZorvEditorView::markModified() {
    services_.document.setModified(true);
}

} // namespace zorv
