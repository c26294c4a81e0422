// Pages reused through the real main window: guards against a station copy that is not one edit
// Undo takes back whole, a refused copy that changes the project or the history, a template that
// loses its picture on the way into a new project or lands on a page that is taken, and a
// damaged template that changes anything.

#include <QAction>
#include <QFile>
#include <QTest>

#include "AppFixture.h"
#include "ScriptedPageDialogs.h"
#include "editor/CZorvEditorView.h"
#include "editor/undo/EditHistory.h"
#include "model/CZorvEditorDoc.h"
#include "model/FileOps.h"
#include "model/PictureFiles.h"
#include "model/WidgetRecords.h"
#include "tests/TestBitmaps.h"

using namespace zorv;

class PageTemplatesInEditorTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { fixture_.reset(); }

    void stationCopyIsOneEdit();
    void templateCarriesItsPictureIntoANewProject();
    void damagedTemplateChangesNothing();

private:
    CZorvEditorView& view() { return fixture_->app.view(); }
    CHCData& project() { return fixture_->app.document().project(); }
    void trigger(CommandId id) { fixture_->app.actions().action(id)->trigger(); }
    std::string lastPrompt() const {
        return fixture_->prompt.texts.empty() ? std::string() : fixture_->prompt.texts.back();
    }
    const WidgetNode& widget(int page, std::size_t index) {
        return project().pageByNumber(uint16_t(page))->widgets.at(index);
    }

    std::unique_ptr<AppFixture> fixture_;
    ScriptedPageDialogs dialogs_;
};

// Page 1 shows D100 and jumps to page 2 by a key; page 2 is empty.
void PageTemplatesInEditorTest::init() {
    fixture_ = std::make_unique<AppFixture>();
    QVERIFY(fixture_->app.start({}, false));
    view().setPageDialogs(&dialogs_);
    dialogs_ = {};
    RegisterRecord reg = RegisterRecord::makeDefault();
    reg.setRegister({1, uint8_t(RegisterType::D), 100});
    KeyRecord key = KeyRecord::makeDefault();
    key.setActionByte(KeyRecord::ScreenJump);
    key.setValue(2);
    CPage& first = *project().pageByNumber(1);
    first.widgets = {WidgetNode::of(1, reg), WidgetNode::of(2, key)};
    first.nextWidgetId = 3;
    project().addPage(2, PlaceMode::Insert);
    view().initialUpdate(1);
}

void PageTemplatesInEditorTest::stationCopyIsOneEdit() {
    dialogs_.answer =
        PageChoice{11, PlaceMode::Cover, {}, {2}, 1, {{uint8_t(RegisterType::D), 10}}};
    trigger(CommandId::PageCopy);
    QCOMPARE(project().pageCount(), 4);
    QCOMPARE(widget(11, 0).get<RegisterRecord>().reg().address, uint16_t(110));
    QCOMPARE(widget(11, 1).get<KeyRecord>().value(), uint16_t(12));
    QCOMPARE(view().currentPage()->number(), uint16_t(11));

    trigger(CommandId::EditUndo);
    QCOMPARE(project().pageCount(), 2);
    QCOMPARE(widget(1, 0).get<RegisterRecord>().reg().address, uint16_t(100));

    // Onto taken numbers: named, and neither the project nor the history changes.
    const bool couldRedo = view().history().canRedo();
    dialogs_.answer->number = 2;
    trigger(CommandId::PageCopy);
    QCOMPARE(lastPrompt(), std::string("Page 2 is taken."));
    QCOMPARE(project().pageCount(), 2);
    QCOMPARE(view().history().canRedo(), couldRedo);
}

void PageTemplatesInEditorTest::templateCarriesItsPictureIntoANewProject() {
    const std::filesystem::path folder = fixture_->app.document().projectFolder();
    std::filesystem::create_directories(pictureFolder(folder));
    test::writeBmp(pictureFolder(folder) / "logo.bmp", 16, 8);
    const auto logo = fileops::readFile(pictureFolder(folder) / "logo.bmp");
    PictureRecord picture = PictureRecord::makeDefault();
    picture.setPictureName("pic\\logo.bmp");
    project().pageByNumber(1)->widgets.push_back(WidgetNode::of(3, picture));
    view().initialUpdate(1);

    const QString file = fixture_->work.filePath("station.zvt");
    fixture_->files.answers = {file};
    trigger(CommandId::PageExportTemplate);
    QVERIFY(QFile::exists(file));

    fixture_->prompt = ScriptedPrompt({PromptAnswer::No});
    trigger(CommandId::FileNew);
    std::filesystem::remove_all(pictureFolder(folder));
    QCOMPARE(project().pageCount(), 1);
    fixture_->files.answers = {file};
    trigger(CommandId::PageInsertTemplate);
    // Page 1 is the new project's own: the template's page 1 moves to 2, its key follows.
    QCOMPARE(project().pageCount(), 2);
    QCOMPARE(widget(2, 1).get<KeyRecord>().value(), uint16_t(2));
    QCOMPARE(widget(2, 2).get<PictureRecord>().pictureName(), std::string("pic\\logo.bmp"));
    QCOMPARE(
        fileops::readFile(pictureFolder(fixture_->app.document().projectFolder()) / "logo.bmp"),
        logo);
    QCOMPARE(view().currentPage()->number(), uint16_t(2));
    trigger(CommandId::EditUndo);
    QCOMPARE(project().pageCount(), 1);
}

void PageTemplatesInEditorTest::damagedTemplateChangesNothing() {
    const QString file = fixture_->work.filePath("cut.zvt");
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(QByteArray("ZVPT\x01\x00\x05", 7));
    out.close();
    fixture_->files.answers = {file};
    trigger(CommandId::PageInsertTemplate);
    QCOMPARE(lastPrompt(), std::string("The page template is damaged: its head is cut short"));
    QCOMPARE(project().pageCount(), 2);
    QVERIFY(!view().history().canUndo());
}

QTEST_MAIN(PageTemplatesInEditorTest)
#include "PageTemplatesInEditorTest.moc"
