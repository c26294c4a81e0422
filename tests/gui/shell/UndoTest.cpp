// Undo and redo through the real main window: guards against an edit that undo does not take
// back to the byte (a widget order, an id counter, a page head left changed), a redo that does
// not give the edited project again, a deleted picture whose file stays lost after undo, the
// modified mark that survives undoing back to the save, and Undo/Redo entries enabled or named
// wrongly.

#include <QAction>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QTest>
#include <QTreeWidget>
#include <functional>

#include "AppFixture.h"
#include "ScriptedPageDialogs.h"
#include "app/CMainFrame.h"
#include "editor/CPageTree.h"
#include "editor/CZorvEditorView.h"
#include "editor/undo/EditHistory.h"
#include "editor/undo/PackedPage.h"
#include "model/CZorvEditorDoc.h"
#include "model/FileOps.h"
#include "oonedraw/GRepaint.h"
#include "panes/CPageProperty.h"
#include "panes/PropertyPane.h"
#include "tests/TestBitmaps.h"

using namespace zorv;
namespace fs = std::filesystem;

class UndoTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { fixture_.reset(); }

    void eachEditUndoesAndRedoesToTheByte_data();
    void eachEditUndoesAndRedoesToTheByte();
    void deletedPictureFileComesBack();
    void undoToTheSaveClearsTheMark();
    void entriesNameTheEdit();
    void newProjectEmptiesTheHistory();
    void twoHundredRandomEdits();
    void packedRecordsComeBackWhole_data();
    void packedRecordsComeBackWhole();

private:
    using Edit = std::function<void(UndoTest&)>;
    static const std::vector<std::pair<const char*, Edit>>& edits();

    CZorvEditorView& view() { return fixture_->app.view(); }
    CZorvEditorDoc& document() { return fixture_->app.document(); }
    CPage& page() { return *view().currentPage(); }
    QWidget* keys() { return view().findChild<QWidget*>(QStringLiteral("pageKeys")); }
    QAction* action(CommandId id) { return fixture_->app.actions().action(id); }
    void trigger(CommandId id) { action(id)->trigger(); }
    QPoint pixel(int x, int y) const { return {display_.left + 2 * x, display_.top + 2 * y}; }
    // The saved project file, read back.
    QByteArray saved();
    void place(CommandId tool, int x, int y);
    // Clicks the middle of the shown page's widget at that index.
    void clickWidget(std::size_t index);
    void twoPages();

    std::unique_ptr<AppFixture> fixture_;
    ScriptedPageDialogs dialogs_;
    oonedraw::GIntRect display_;
    int saves_ = 0;
};

void UndoTest::init() {
    fixture_ = std::make_unique<AppFixture>();
    QVERIFY(fixture_->app.start({}, false));
    view().setPageDialogs(&dialogs_);
    dialogs_ = {};
    display_ = view().displayRect();
}

QByteArray UndoTest::saved() {
    const fs::path file = fs::path(fixture_->work.path().toStdString()) /
                          ("check" + std::to_string(++saves_) + ".zvd");
    if (!view().commitProperties() || !document().save(file))
        return {};
    const auto bytes = fileops::readFile(file);
    return bytes
               ? QByteArray(reinterpret_cast<const char*>(bytes->data()), qsizetype(bytes->size()))
               : QByteArray();
}

void UndoTest::place(CommandId tool, int x, int y) {
    trigger(tool);
    QTest::mouseClick(&view(), Qt::LeftButton, Qt::NoModifier, pixel(x, y));
}

void UndoTest::clickWidget(std::size_t index) {
    const oonedraw::GObject* object = view().canvas().children.at(index);
    const oonedraw::GRect r = oonedraw::BoundsOf(*object);
    const QPoint middle(int((r.left + r.right) / 2 + view().canvas().originX),
                        int((r.top + r.bottom) / 2 + view().canvas().originY));
    QTest::mouseClick(&view(), Qt::LeftButton, Qt::NoModifier, middle);
}

void UndoTest::twoPages() {
    dialogs_.answer = PageChoice{2, PlaceMode::Insert, QStringLiteral("two")};
    trigger(CommandId::PageNew);
    view().selectPage(1);
}

const std::vector<std::pair<const char*, UndoTest::Edit>>& UndoTest::edits() {
    static const std::vector<std::pair<const char*, Edit>> table{
        {"place", [](UndoTest& t) { t.place(CommandId::WidgetStaticText, 60, 30); }},
        {"drag",
         [](UndoTest& t) {
             const QPoint from = t.pixel(12, 12);
             QTest::mousePress(&t.view(), Qt::LeftButton, Qt::NoModifier, from);
             QMouseEvent move(QEvent::MouseMove, t.pixel(40, 30), t.pixel(40, 30), Qt::NoButton,
                              Qt::LeftButton, Qt::NoModifier);
             QCoreApplication::sendEvent(&t.view(), &move);
             QTest::mouseRelease(&t.view(), Qt::LeftButton, Qt::NoModifier, t.pixel(40, 30));
         }},
        {"nudge",
         [](UndoTest& t) {
             t.clickWidget(0);
             QTest::keyClick(t.keys(), Qt::Key_Right);
         }},
        {"pane",
         [](UndoTest& t) {
             t.clickWidget(0);
             t.view().shownPane()->setPosition(100, 40);
             QVERIFY(t.view().commitProperties());
         }},
        {"delete",
         [](UndoTest& t) {
             t.clickWidget(0);
             QTest::keyClick(t.keys(), Qt::Key_Delete);
         }},
        {"page pane",
         [](UndoTest& t) {
             QTest::mouseClick(&t.view(), Qt::LeftButton, Qt::NoModifier, t.pixel(150, 60));
             QTest::keyClicks(t.view().pagePane()->findChild<QLineEdit*>(), "xyz");
             QVERIFY(t.view().commitProperties());
         }},
        {"new page",
         [](UndoTest& t) {
             t.dialogs_.answer = PageChoice{1, PlaceMode::Insert, QStringLiteral("first")};
             t.trigger(CommandId::PageNew);
         }},
        {"copy page",
         [](UndoTest& t) {
             t.dialogs_.answer = PageChoice{2, PlaceMode::Cover, {}};
             t.trigger(CommandId::PageCopy);
         }},
        {"delete page", [](UndoTest& t) { t.trigger(CommandId::PageDelete); }},
    };
    return table;
}

void UndoTest::eachEditUndoesAndRedoesToTheByte_data() {
    QTest::addColumn<int>("edit");
    for (std::size_t i = 0; i < edits().size(); ++i)
        QTest::newRow(edits()[i].first) << int(i);
}

void UndoTest::eachEditUndoesAndRedoesToTheByte() {
    QFETCH(int, edit);
    twoPages();
    place(CommandId::WidgetKey, 10, 10);
    place(CommandId::WidgetRegister, 100, 10);
    const QByteArray before = saved();
    QVERIFY(!before.isEmpty());
    const int entries = view().history().size();
    edits()[std::size_t(edit)].second(*this);
    QCOMPARE(view().history().size(), entries + 1);
    const QByteArray after = saved();
    QVERIFY(after != before);
    trigger(CommandId::EditUndo);
    QCOMPARE(saved(), before);
    trigger(CommandId::EditRedo);
    QCOMPARE(saved(), after);
    trigger(CommandId::EditUndo);
    QCOMPARE(saved(), before);
}

void UndoTest::deletedPictureFileComesBack() {
    const fs::path source = fs::path(fixture_->work.path().toStdString()) / "logo.bmp";
    test::writeBmp(source, 16, 8, 1);
    fixture_->files.answers = {QString::fromStdString(source)};
    trigger(CommandId::WidgetPicture);
    QTest::mouseClick(&view(), Qt::LeftButton, Qt::NoModifier, pixel(0, 0));
    const fs::path file = view().projectFolder() / "pic" / "logo.bmp";
    const auto bytes = fileops::readFile(file);
    QVERIFY(bytes);
    QTest::keyClick(keys(), Qt::Key_Delete);
    QVERIFY(!fs::exists(file));
    QCOMPARE(action(CommandId::EditUndo)->text(), QStringLiteral("&Undo Delete"));
    trigger(CommandId::EditUndo);
    QCOMPARE(fileops::readFile(file), bytes);
    QCOMPARE(page().widgetCount(), 1);
    // The widget comes back selected, with its pane.
    QCOMPARE(view().shownPane()->typeName(), QStringLiteral("Picture"));
    trigger(CommandId::EditRedo);
    QVERIFY(!fs::exists(file));
}

void UndoTest::undoToTheSaveClearsTheMark() {
    place(CommandId::WidgetKey, 10, 10);
    QVERIFY(!saved().isEmpty());
    QVERIFY(!document().modified());
    place(CommandId::WidgetKey, 60, 10);
    QVERIFY(document().modified());
    trigger(CommandId::EditUndo);
    QVERIFY(!document().modified());
    trigger(CommandId::EditUndo);
    QVERIFY(document().modified());
    trigger(CommandId::EditRedo);
    QVERIFY(!document().modified());
    // A new edit after an undo past the save: the saved state is out of reach.
    trigger(CommandId::EditUndo);
    place(CommandId::WidgetRegister, 80, 10);
    trigger(CommandId::EditUndo);
    QVERIFY(document().modified());
}

void UndoTest::entriesNameTheEdit() {
    QVERIFY(!action(CommandId::EditUndo)->isEnabled());
    QVERIFY(!action(CommandId::EditRedo)->isEnabled());
    twoPages();
    QCOMPARE(action(CommandId::EditUndo)->text(), QStringLiteral("&Undo New Page"));
    trigger(CommandId::PageDelete);
    QCOMPARE(action(CommandId::EditUndo)->text(), QStringLiteral("&Undo Delete Page"));
    trigger(CommandId::EditUndo);
    QCOMPARE(action(CommandId::EditRedo)->text(), QStringLiteral("&Redo Delete Page"));
    QVERIFY(action(CommandId::EditRedo)->isEnabled());
    // The undone delete shows the page it brought back.
    QCOMPARE(int(page().number()), 1);
    QCOMPARE(action(CommandId::EditRedo)->shortcuts(),
             (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Y")),
                                  QKeySequence(QStringLiteral("Ctrl+Shift+Z"))}));
    trigger(CommandId::EditRedo);
    QCOMPARE(document().project().pageCount(), 1);
    QVERIFY(!action(CommandId::EditRedo)->isEnabled());
}

void UndoTest::newProjectEmptiesTheHistory() {
    place(CommandId::WidgetKey, 10, 10);
    QVERIFY(action(CommandId::EditUndo)->isEnabled());
    document().setModified(false); // no save question
    trigger(CommandId::FileNew);
    QCOMPARE(view().history().size(), 0);
    QVERIFY(!action(CommandId::EditUndo)->isEnabled());
}

void UndoTest::twoHundredRandomEdits() {
    twoPages();
    place(CommandId::WidgetKey, 10, 10);
    const QByteArray start = saved();
    QRandomGenerator random(18);
    const int first = view().history().size();
    for (int i = 0; i < 200; ++i) {
        const std::size_t pick = random.bounded(int(edits().size()));
        // Edits of a widget need one on the shown page; a page left alone needs another.
        if (view().canvas().children.empty() && pick >= 1 && pick <= 4)
            place(CommandId::WidgetLight, int(random.bounded(150)), int(random.bounded(50)));
        else if (document().project().pageCount() == 1 &&
                 edits()[pick].first == std::string("delete page"))
            place(CommandId::WidgetStaticText, int(random.bounded(150)), int(random.bounded(50)));
        else
            edits()[pick].second(*this);
    }
    const QByteArray end = saved();
    const int done = view().history().size() - first;
    QVERIFY(done > 150);
    for (int i = 0; i < done; ++i)
        trigger(CommandId::EditUndo);
    QCOMPARE(saved(), start);
    for (int i = 0; i < done; ++i)
        trigger(CommandId::EditRedo);
    QCOMPARE(saved(), end);
}

// The history keeps records with their zero runs packed: every byte must come back, whether
// the zeros stand at the start, the end, in runs too short to pack, or nowhere.
void UndoTest::packedRecordsComeBackWhole_data() {
    QTest::addColumn<QByteArray>("record");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("zeros only") << QByteArray(25000, '\0');
    QTest::newRow("no zeros") << QByteArray(300, '\x5A');
    QTest::newRow("short runs") << QByteArray("\1\0\0\0\2\0\0\0\0\0\0\0\3", 13);
    QByteArray mixed(4000, '\0');
    mixed[0] = 7;
    mixed[8] = 1;  // after a run of exactly seven zeros
    mixed[17] = 2; // after a run of eight
    mixed[3999] = 9;
    QTest::newRow("mixed") << mixed;
    QTest::newRow("trailing zeros") << QByteArray("\1\2", 2) + QByteArray(100, '\0');
}

void UndoTest::packedRecordsComeBackWhole() {
    QFETCH(QByteArray, record);
    const std::vector<uint8_t> bytes(record.begin(), record.end());
    const std::vector<uint8_t> packed = packRecord(bytes);
    QCOMPARE(unpackRecord(packed), bytes);
    QVERIFY(packed.size() <= bytes.size() + 8);
}

QTEST_MAIN(UndoTest)
#include "UndoTest.moc"
