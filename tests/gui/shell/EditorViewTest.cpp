// The editing view in the real main window, driven by mouse and key events: guards against
// widgets placed across the display's edges or at the wrong pixel, drags that leave the text cell
// grid, nudges past an edge, a deleted picture that takes its twin's file along or leaves its
// own behind, imports that overwrite an earlier copy or accept a bitmap the panel cannot show,
// page commands that ask the wrong question or lose a page, and a layout that breaks when the
// window is narrowed.

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QSpinBox>
#include <QTest>
#include <QTreeWidget>
#include <fstream>

#include "AppFixture.h"
#include "app/CMainFrame.h"
#include "editor/CPageTree.h"
#include "editor/CZorvEditorView.h"
#include "model/Bytes.h"
#include "model/CZorvEditorDoc.h"
#include "model/records/PictureRecord.h"
#include "panes/CPageProperty.h"
#include "panes/PropertyPane.h"
#include "tests/TestBitmaps.h"

using namespace zorv;
namespace fs = std::filesystem;

namespace {

struct ScriptedPageDialogs : PageDialogs {
    std::optional<PageChoice> answer;
    std::vector<int> proposed;
    std::vector<int> sources;
    std::optional<PageChoice> newPage(QWidget*, int p) override {
        proposed.push_back(p);
        return answer;
    }
    std::optional<PageChoice> copyPage(QWidget*, int source, int p) override {
        sources.push_back(source);
        proposed.push_back(p);
        return answer;
    }
};

// The view's display area, for the helpers below (the view may be wider than its layout).
oonedraw::GIntRect gDisplay{290, 55, 674, 183};

// The view point of a display pixel.
QPoint pixel(int x, int y) {
    return {gDisplay.left + 2 * x, gDisplay.top + 2 * y};
}
// A view point given in the units of a 750-wide layout.
QPoint at(int x, int y) {
    return {x + gDisplay.left - 290, y};
}

void sendMove(QWidget& view, QPoint at, Qt::MouseButtons buttons,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QMouseEvent move(QEvent::MouseMove, at, view.mapToGlobal(at), Qt::NoButton, buttons, modifiers);
    QCoreApplication::sendEvent(&view, &move);
}

uint16_t recordX(const WidgetNode& node) {
    return le::u16(node.record.data() + 2);
}
uint16_t recordY(const WidgetNode& node) {
    return le::u16(node.record.data() + 4);
}

} // namespace

class EditorViewTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { fixture_.reset(); }

    void placeEachKind_data();
    void placeEachKind();
    void ctrlKeepsTheTool_data();
    void ctrlKeepsTheTool();
    void dragSnapsToTheGrid();
    void nudgeStopsAtTheEdges();
    void deletePictureRemovesItsFileUnlessATwinNamesIt();
    void threeImportsGiveThreeNames();
    void refusedBitmaps_data();
    void refusedBitmaps();
    void newPageProposesTheNextNumberAndInserts();
    void copyPageCoversAfterTheQuestion();
    void deleteRefusals();
    void rootIsNeverSelectedAndOpensNoMenu();
    void pagePaneChangesMarkTheDocument();
    void pointerPositionInTheStatusBar();
    void narrowWindowKeepsItsLayout();
    void languageSwitchReloadsThePage();

private:
    CZorvEditorView& view() { return fixture_->app.view(); }
    CZorvEditorDoc& document() { return fixture_->app.document(); }
    CPage& page() { return *view().currentPage(); }
    // The field that takes the keys after a press in the display.
    QWidget* keys() { return view().findChild<QWidget*>(QStringLiteral("pageKeys")); }
    void trigger(CommandId id) { fixture_->app.actions().action(id)->trigger(); }
    // Pages 1, 2, 3 with page 1 shown.
    void threePages();
    void selectPage(int number);
    fs::path importable(const char* name, int w = 16, int h = 8, uint16_t bits = 1);

    std::unique_ptr<AppFixture> fixture_;
    ScriptedPageDialogs dialogs_;
};

void EditorViewTest::init() {
    fixture_ = std::make_unique<AppFixture>();
    QVERIFY(fixture_->app.start({}, false));
    view().setPageDialogs(&dialogs_);
    dialogs_ = {};
    gDisplay = view().displayRect();
}

void EditorViewTest::threePages() {
    document().project().addPage(2, PlaceMode::Insert);
    document().project().addPage(3, PlaceMode::Insert);
    view().initialUpdate();
}

void EditorViewTest::selectPage(int number) {
    view().pageTree()->setCurrentItem(view().pageTree()->pageItem(number));
}

fs::path EditorViewTest::importable(const char* name, int w, int h, uint16_t bits) {
    const fs::path source = fs::path(fixture_->work.path().toStdString()) / "source";
    fs::create_directories(source);
    test::writeBmp(source / name, w, h, bits);
    return source / name;
}

void EditorViewTest::placeEachKind_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("typeName");
    QTest::addColumn<QPoint>("press");    // view units of a 750-wide layout
    QTest::addColumn<QPoint>("expected"); // display pixels of the top-left corner
    const QPoint inside(290 + 20, 55 + 12);
    QTest::newRow("Led") << int(CommandId::WidgetLight) << "Led" << inside << QPoint(10, 6);
    QTest::newRow("Key") << int(CommandId::WidgetKey) << "Key" << inside << QPoint(10, 6);
    QTest::newRow("StaticText") << int(CommandId::WidgetStaticText) << "StaticText" << inside
                                << QPoint(10, 6);
    QTest::newRow("DynamicText") << int(CommandId::WidgetDynamicText) << "DynamicText" << inside
                                 << QPoint(10, 6);
    QTest::newRow("Register") << int(CommandId::WidgetRegister) << "Register" << inside
                              << QPoint(10, 6);
    QTest::newRow("Bar") << int(CommandId::WidgetBarGraph) << "Bar" << inside << QPoint(10, 6);
    QTest::newRow("Menu") << int(CommandId::WidgetMenu) << "Menu" << inside << QPoint(10, 6);
    QTest::newRow("Alarm") << int(CommandId::WidgetAlarm) << "Alarm" << inside << QPoint(10, 6);
    // 10 units left of the right edge: 674 - 192 = 482, pixel 96; the bottom shift too.
    QTest::newRow("Trend at the right edge")
        << int(CommandId::WidgetTrendChart) << "Trend" << QPoint(664, 180) << QPoint(96, 16);
    QTest::newRow("Alarm at the bottom right")
        << int(CommandId::WidgetAlarm) << "Alarm" << QPoint(673, 182) << QPoint(96, 48);
    QTest::newRow("Bar at the bottom")
        << int(CommandId::WidgetBarGraph) << "Bar" << QPoint(300, 182) << QPoint(5, 16);
}

void EditorViewTest::placeEachKind() {
    QFETCH(int, command);
    QFETCH(QString, typeName);
    QFETCH(QPoint, press);
    QFETCH(QPoint, expected);
    trigger(CommandId(command));
    QCOMPARE(QString::fromStdString(view().tools().currentName), typeName);
    QVERIFY(fixture_->app.actions().action(CommandId(command))->isChecked());
    QTest::mouseClick(&view(), Qt::LeftButton, Qt::NoModifier, at(press.x(), press.y()));

    QCOMPARE(page().widgetCount(), 1);
    const WidgetNode& node = page().widgets.front();
    QCOMPARE(QString::fromStdString(std::string(zorv::typeName(node.kind))), typeName);
    view().commitProperties();
    QCOMPARE(QPoint(recordX(node), recordY(node)), expected);
    QCOMPARE(view().canvas().children.size(), std::size_t(1));
    const oonedraw::GObject* object = view().canvas().children.front();
    oonedraw::GPoint topLeft;
    object->TopLeft(topLeft);
    QCOMPARE(QPoint(int(topLeft.x + view().canvas().originX), int(topLeft.y)),
             pixel(expected.x(), expected.y()));
    QCOMPARE(object->id, node.id);
    QVERIFY(object->has(oonedraw::kSelected));
    QCOMPARE(view().shownPane()->typeName(), typeName);
    QCOMPARE(view().shownPane()->widgetId(), node.id);
    QVERIFY(document().modified());
    QCOMPARE(QString::fromStdString(view().tools().currentName), QStringLiteral("select"));
    QVERIFY(!fixture_->app.actions().action(CommandId(command))->isChecked());
}

void EditorViewTest::ctrlKeepsTheTool_data() {
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("toolAfter");
    QTest::newRow("Ctrl") << int(Qt::ControlModifier) << "StaticText";
    QTest::newRow("plain") << int(Qt::NoModifier) << "select";
}

void EditorViewTest::ctrlKeepsTheTool() {
    QFETCH(int, modifiers);
    QFETCH(QString, toolAfter);
    trigger(CommandId::WidgetStaticText);
    QTest::mouseClick(&view(), Qt::LeftButton, Qt::KeyboardModifiers(modifiers), pixel(4, 4));
    QCOMPARE(QString::fromStdString(view().tools().currentName), toolAfter);
}

void EditorViewTest::dragSnapsToTheGrid() {
    trigger(CommandId::WidgetStaticText);
    QTest::mouseClick(&view(), Qt::LeftButton, Qt::NoModifier, pixel(40, 20));
    document().setModified(false);
    view().canvas().GetCommands()->Clear();
    // Grab 6 units right of and below the corner; move the corner to 13 units (6.5 pixels)
    // right of the display's left edge and 15 pixels down: it snaps to the nearest text cell
    // corner, 8 pixels right and 16 down.
    const QPoint grab = pixel(40, 20) + QPoint(6, 6);
    QTest::mousePress(&view(), Qt::LeftButton, Qt::NoModifier, grab);
    const QPoint target = at(290 + 13 + 6, 55 + 30 + 6);
    sendMove(view(), target - QPoint(20, 0), Qt::LeftButton);
    sendMove(view(), target, Qt::LeftButton);
    QTest::mouseRelease(&view(), Qt::LeftButton, Qt::NoModifier, target);
    oonedraw::GPoint topLeft;
    view().canvas().children.front()->TopLeft(topLeft);
    QCOMPARE(topLeft.x + view().canvas().originX, double(at(306, 0).x()));
    QCOMPARE(topLeft.y, 55.0 + 32);
    QCOMPARE(view().canvas().GetCommands()->count, 1);
    QVERIFY(document().modified());
    view().commitProperties();
    QCOMPARE(recordX(page().widgets.front()), uint16_t(8));
    QCOMPARE(recordY(page().widgets.front()), uint16_t(16));
}

void EditorViewTest::nudgeStopsAtTheEdges() {
    trigger(CommandId::WidgetBarGraph);
    QTest::mouseClick(&view(), Qt::LeftButton, Qt::NoModifier, pixel(0, 60));
    document().setModified(false);
    oonedraw::GObject* bar = view().canvas().children.front();
    oonedraw::GPoint before;
    bar->TopLeft(before);
    QCOMPARE(before.y + bar->Height(), 183.0); // y needs no origin: only the width moves it
    QWidget* focus = keys();
    QTest::keyClick(focus, Qt::Key_Down);
    QTest::keyClick(focus, Qt::Key_Left);
    oonedraw::GPoint after;
    bar->TopLeft(after);
    QCOMPARE(after, before);
    QTest::keyClick(focus, Qt::Key_Up);
    QTest::keyClick(focus, Qt::Key_Right);
    bar->TopLeft(after);
    QCOMPARE(after, (oonedraw::GPoint{before.x + 2, before.y - 2}));
    // Each nudge is a move that Undo takes back.
    QVERIFY(document().modified());
    view().commitProperties();
    QCOMPARE(recordX(page().widgets.front()), uint16_t(1));
    QCOMPARE(recordY(page().widgets.front()), uint16_t(15));
}

void EditorViewTest::deletePictureRemovesItsFileUnlessATwinNamesIt() {
    fixture_->files.answers = {QString::fromStdString(importable("logo.bmp"))};
    trigger(CommandId::WidgetPicture);
    QCOMPARE(view().pictureName(), std::string("pic\\logo.bmp"));
    // Two pictures of one file: the second placed with Ctrl released.
    QTest::mouseClick(&view(), Qt::LeftButton, Qt::ControlModifier, pixel(0, 0));
    QTest::mouseClick(&view(), Qt::LeftButton, Qt::NoModifier, pixel(100, 0));
    QCOMPARE(page().widgetCount(), 2);
    const PictureRecord r = page().widgets.front().get<PictureRecord>();
    QCOMPARE(int(r.width()), 16);
    QCOMPARE(int(r.height()), 8);
    QCOMPARE(r.pictureName(), std::string("pic\\logo.bmp"));
    const fs::path file = view().projectFolder() / "pic" / "logo.bmp";
    QVERIFY(fs::exists(file));
    // Placed at twice the bitmap's size.
    QCOMPARE(view().canvas().children.front()->Width(), 32.0);

    QTest::keyClick(keys(), Qt::Key_Delete); // the second picture is selected
    QCOMPARE(page().widgetCount(), 1);
    QVERIFY(fs::exists(file));
    QCOMPARE(view().shownPane(), static_cast<PropertyPane*>(view().pagePane()));
    QTest::mouseClick(&view(), Qt::LeftButton, Qt::NoModifier, pixel(2, 2));
    QCOMPARE(view().shownPane()->typeName(), QStringLiteral("Picture"));
    QTest::keyClick(keys(), Qt::Key_Delete);
    QCOMPARE(page().widgetCount(), 0);
    QVERIFY(!fs::exists(file));
}

void EditorViewTest::threeImportsGiveThreeNames() {
    const QString source = QString::fromStdString(importable("logo.bmp"));
    fixture_->files.answers = {source, source, source};
    for (const char* expected : {"pic\\logo.bmp", "pic\\logoa.bmp", "pic\\logoaa.bmp"}) {
        trigger(CommandId::WidgetPicture);
        QCOMPARE(view().pictureName(), std::string(expected));
        QVERIFY(fixture_->app.actions().action(CommandId::WidgetPicture)->isChecked());
    }
    QCOMPARE(fixture_->files.filters.front(), QStringLiteral("Bitmap file (*.bmp)"));
}

void EditorViewTest::refusedBitmaps_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("bits");
    QTest::newRow("193 x 64") << 193 << 64 << 1;
    QTest::newRow("4-bit 16 x 16") << 16 << 16 << 4;
}

void EditorViewTest::refusedBitmaps() {
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, bits);
    fixture_->files.answers = {
        QString::fromStdString(importable("wrong.bmp", width, height, uint16_t(bits)))};
    trigger(CommandId::WidgetPicture);
    QCOMPARE(fixture_->prompt.texts.back(),
             std::string("Bitmap format does not match, can only choose not more than 192*64 "
                         "monochrome bitmap!"));
    QCOMPARE(QString::fromStdString(view().tools().currentName), QStringLiteral("select"));
    QVERIFY(!fs::exists(view().projectFolder() / "pic" / "wrong.bmp"));
}

void EditorViewTest::newPageProposesTheNextNumberAndInserts() {
    threePages();
    selectPage(2);
    dialogs_.answer = PageChoice{3, PlaceMode::Insert, QStringLiteral("fresh")};
    trigger(CommandId::PageNew);
    QCOMPARE(dialogs_.proposed, std::vector<int>{3});
    QCOMPARE(fixture_->prompt.texts.back(),
             std::string("3 page already exists, whether to continue to insert?"));
    const CHCData& project = document().project();
    QCOMPARE(project.pageCount(), 4);
    QCOMPARE(project.page(2)->description(), std::string("fresh"));
    QCOMPARE(int(project.page(3)->number()), 4);
    QCOMPARE(view().pageTree()->currentItem()->text(0), QStringLiteral("Page 3  - fresh"));
    QCOMPARE(view().currentPage(), project.page(2));
    QVERIFY(document().modified());
}

void EditorViewTest::copyPageCoversAfterTheQuestion() {
    threePages();
    trigger(CommandId::WidgetKey);
    QTest::mouseClick(&view(), Qt::LeftButton, Qt::NoModifier, pixel(20, 20));
    dialogs_.answer = PageChoice{2, PlaceMode::Cover, {}};
    trigger(CommandId::PageCopy);
    QCOMPARE(dialogs_.sources, std::vector<int>{1});
    QCOMPARE(dialogs_.proposed, std::vector<int>{2});
    QCOMPARE(fixture_->prompt.texts.back(),
             std::string("2 page already exists, whether to continue to cover?"));
    QCOMPARE(document().project().pageCount(), 3);
    QCOMPARE(document().project().pageByNumber(2)->widgetCount(), 1);
    QCOMPARE(view().currentPage()->number(), uint16_t(2));
    QCOMPARE(view().canvas().children.size(), std::size_t(1));
    // Onto a free number: no question.
    const std::size_t asked = fixture_->prompt.texts.size();
    dialogs_.answer = PageChoice{7, PlaceMode::Cover, {}};
    trigger(CommandId::PageCopy);
    QCOMPARE(fixture_->prompt.texts.size(), asked);
    QCOMPARE(document().project().pageCount(), 4);
}

void EditorViewTest::deleteRefusals() {
    trigger(CommandId::PageDelete);
    QCOMPARE(fixture_->prompt.texts.back(), std::string("Can't delete the last page!"));
    QCOMPARE(document().project().pageCount(), 1);
    threePages();
    {
        // The root as the tree's current item (it never becomes so through the pointer).
        const QSignalBlocker blocker(view().pageTree());
        view().pageTree()->setCurrentItem(view().pageTree()->root());
    }
    trigger(CommandId::PageDelete);
    QCOMPARE(fixture_->prompt.texts.back(),
             std::string("Do not allow the deletion of a page containing Sub!"));
    selectPage(3);
    trigger(CommandId::PageDelete);
    QCOMPARE(fixture_->prompt.texts.back(), std::string("Do you really want to delete the Page3?"));
    QCOMPARE(document().project().pageCount(), 2);
    QCOMPARE(view().currentPage()->number(), uint16_t(2));
    QCOMPARE(CPageTree::pageNumber(view().pageTree()->currentItem()), std::optional<int>(2));
}

void EditorViewTest::rootIsNeverSelectedAndOpensNoMenu() {
    threePages();
    int popups = 0;
    view().setPopupRunner([&](QMenu& menu, const QPoint&) {
        ++popups;
        QCOMPARE(menu.actions().size(), 3);
    });
    CPageTree* tree = view().pageTree();
    const QPoint root = tree->visualItemRect(tree->root()).center();
    QTest::mouseClick(tree->viewport(), Qt::RightButton, Qt::NoModifier, root);
    QCOMPARE(popups, 0);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, root);
    QCOMPARE(CPageTree::pageNumber(tree->currentItem()), std::optional<int>(1));
    const QPoint second = tree->visualItemRect(tree->pageItem(2)).center();
    QTest::mouseClick(tree->viewport(), Qt::RightButton, Qt::NoModifier, second);
    QCOMPARE(popups, 1);
    QCOMPARE(view().currentPage()->number(), uint16_t(2));
    tree->collapseItem(tree->root());
    QVERIFY(tree->root()->isExpanded());
}

void EditorViewTest::pagePaneChangesMarkTheDocument() {
    document().setModified(false);
    auto* up = view().pagePane()->findChild<QSpinBox*>();
    QVERIFY(up);
    up->setValue(up->value() + 1);
    QVERIFY(document().modified());
    document().setModified(false);
    auto* description = view().pagePane()->findChild<QLineEdit*>();
    QTest::keyClicks(description, "abc");
    QCOMPARE(view().pageTree()->currentItem()->text(0), QStringLiteral("Page 1  - abc"));
    QVERIFY(document().modified());
    view().commitProperties();
    QCOMPARE(page().description(), std::string("abc"));
}

void EditorViewTest::pointerPositionInTheStatusBar() {
    sendMove(view(), QPoint(300, 60), Qt::NoButton);
    QCOMPARE(fixture_->app.frame().pointerPane()->text(), QStringLiteral(" 300,  60"));
    sendMove(view(), QPoint(7, 1024), Qt::NoButton);
    QCOMPARE(fixture_->app.frame().pointerPane()->text(), QStringLiteral("   7,1024"));
}

void EditorViewTest::narrowWindowKeepsItsLayout() {
    trigger(CommandId::WidgetStaticText);
    QTest::mouseClick(&view(), Qt::LeftButton, Qt::NoModifier, pixel(10, 10));
    view().commitProperties();
    const oonedraw::GIntRect display = view().displayRect();
    view().resize(700, 600);
    QCOMPARE(view().displayRect(), display);
    QCOMPARE(view().propertyRect().left, 215 + display.left - 290);
    // Wider: everything moves right, the widget stays on its display pixel.
    const int d = 900 - CZorvEditorView::kLayoutWidth;
    view().resize(900, 600);
    QCOMPARE(view().displayRect().left, 290 + d);
    QCOMPARE(view().panelRect().left, 220 + d);
    oonedraw::GPoint topLeft;
    view().canvas().children.front()->TopLeft(topLeft);
    QCOMPARE(topLeft.x + view().canvas().originX, double(290 + d + 20));
    // The tree has no use for the extra width: the panel and the pane below it take it.
    QCOMPARE(view().pageTree()->geometry().right(), 260 - 1);
    QCOMPARE(view().shownPane()->geometry().left(), 265);
    QCOMPARE(view().shownPane()->geometry().right(), 900 - 10 - 1);
    QVERIFY(view().viewLayout().panelAt.x() > 265);
}

void EditorViewTest::languageSwitchReloadsThePage() {
    trigger(CommandId::WidgetStaticText);
    QTest::mouseClick(&view(), Qt::LeftButton, Qt::NoModifier, pixel(10, 10));
    trigger(CommandId::Language2);
    QCOMPARE(view().language(), 1);
    QVERIFY(fixture_->app.actions().action(CommandId::Language2)->isChecked());
    QVERIFY(!fixture_->app.actions().action(CommandId::Language1)->isChecked());
    QCOMPARE(view().canvas().children.size(), std::size_t(1));
    QCOMPARE(view().shownPane(), static_cast<PropertyPane*>(view().pagePane()));
    trigger(CommandId::ToolGridlines);
    QVERIFY(!view().gridOn());
    QVERIFY(!fixture_->app.actions().action(CommandId::ToolGridlines)->isChecked());
}

QTEST_MAIN(EditorViewTest)
#include "EditorViewTest.moc"
