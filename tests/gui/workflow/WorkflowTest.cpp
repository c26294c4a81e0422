// The editor from a new project to the panel: pages, one widget of every kind the Widget menu
// places, fields set in panes, the system parameters and alarm list, Save through the save
// dialog, reopening, and Download to the panel simulator, whose image must equal what `zorv
// compile` makes of the saved project. Guards against records lost between pane, page, file
// and image, a download of a never-saved project that goes ahead without a file, a missing
// Export copy, a Modbus table the dialog refused that the next Save puts beside the project, an
// import whose renumbered pages go unsaid, a download that sends a project whose file another
// program changed without asking, and an Exit that throws away or keeps a project against the
// user's answer.

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QProcess>
#include <QProgressBar>
#include <fstream>
#include <set>

#include "WorkflowRig.h"
#include "app/CMainFrame.h"
#include "app/CSaveDlg.h"
#include "comm/ModbusTable.h"
#include "comm/ui/CDownloadDlg.h"
#include "comm/ui/CModbusDlg.h"
#include "controls/CEditListCtrl.h"
#include "controls/CListCtrlEdit.h"
#include "editor/CPageTree.h"
#include "editor/CZorvEditorView.h"
#include "editor/PageDialogs.h"
#include "image/ui/CAlarmPageDlg.h"
#include "image/ui/CSettingDlg.h"
#include "model/Bytes.h"
#include "model/CZorvEditorDoc.h"
#include "model/ProjectCipher.h"
#include "model/ProjectStream.h"
#include "model/records/RegisterRecord.h"
#include "panes/PropertyPane.h"
#include "tests/TestBitmaps.h"

using namespace zorv;
using namespace zorv::test;
namespace fs = std::filesystem;

namespace {

struct NextPageDialogs : PageDialogs {
    std::optional<PageChoice> newPage(QWidget*, int proposed) override {
        return PageChoice{proposed, PlaceMode::Insert};
    }
    std::optional<PageChoice> copyPage(QWidget*, int, int proposed) override {
        return PageChoice{proposed, PlaceMode::Insert};
    }
};

QByteArray fileBytes(const fs::path& path) {
    QFile f(QString::fromStdString(path.string()));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class WorkflowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() {
        dropPendingModalSteps();
        rig_.reset();
    }

    void everyCommandWithAHandlerIsEnabled();
    void fromNewProjectToThePanel();
    void downloadOfANeverSavedProjectCancelledDownloadsNothing();
    void exportLeavesTheImageBesideTheProject();
    void downloadAnsweredNoKeepsTheEdits();
    void downloadOfAFileChangedOnDiskAsksFirst();
    void modbusTableOpensFromTheMenu();
    void aRefusedModbusTableNeverReachesTheProjectFolder();
    void importTellsOfRenumberedPages();
    void downloadAsksBeforeAProjectWithErrors();
    void exitQuestion_data();
    void exitQuestion();

private:
    CZorvEditorView& view() { return rig_->app.view(); }
    CZorvEditorDoc& document() { return rig_->app.document(); }
    void trigger(CommandId id) { rig_->app.actions().action(id)->trigger(); }
    QPoint pixel(int x, int y) const;
    void place(CommandId id, int x, int y);
    // Answers the save dialog with a project name in the rig's "projects" folder (the project
    // goes into a folder of its name there).
    void answerSaveDialog(const QString& name, bool confirm = true);
    void saveAs(const QString& name);

    std::unique_ptr<WorkflowRig> rig_;
    NextPageDialogs pageDialogs_;
};

void WorkflowTest::init() {
    rig_ = std::make_unique<WorkflowRig>();
    QVERIFY(rig_->app.start({}, false));
    view().setPageDialogs(&pageDialogs_);
}

QPoint WorkflowTest::pixel(int x, int y) const {
    const oonedraw::GIntRect& d = rig_->app.view().displayRect();
    return {d.left + 2 * x, d.top + 2 * y};
}

void WorkflowTest::place(CommandId id, int x, int y) {
    trigger(id);
    QTest::mouseClick(&view(), Qt::LeftButton, Qt::NoModifier, pixel(x, y));
}

void WorkflowTest::answerSaveDialog(const QString& name, bool confirm) {
    const QString folder = rig_->work.filePath("projects");
    rig_->files.answers.push_back(folder);
    whenModal<CSaveDlg>([name, confirm](CSaveDlg& dialog) {
        typeInto(fieldOf(dialog, "Project name:"), name);
        QTest::mouseClick(pushButton(dialog, "..."), Qt::LeftButton);
        QTest::mouseClick(pushButton(dialog, confirm ? "OK" : "CANCEL"), Qt::LeftButton);
    });
}

void WorkflowTest::saveAs(const QString& name) {
    answerSaveDialog(name);
    trigger(CommandId::FileSave);
    QVERIFY(!document().modified());
    QCOMPARE(QString::fromStdString(document().path().string()),
             rig_->work.filePath("projects/" + name + "/" + name + ".zvd"));
}

void WorkflowTest::everyCommandWithAHandlerIsEnabled() {
    // Undo and Redo wait for an edit, Paste for widgets on the clipboard, Zoom Out for a zoom
    // above 100 %, the layout commands for a selection of several widgets.
    const std::set<CommandId> without{
        CommandId::EditUndo,           CommandId::EditRedo,         CommandId::EditPaste,
        CommandId::ViewZoomOut,        CommandId::HelpTopics,       CommandId::Language3,
        CommandId::Language4,          CommandId::Language5,        CommandId::EditAlignLeft,
        CommandId::EditAlignRight,     CommandId::EditAlignTop,     CommandId::EditAlignBottom,
        CommandId::EditAlignCentres,   CommandId::EditAlignMiddles, CommandId::EditDistributeAcross,
        CommandId::EditDistributeDown, CommandId::EditSameWidth,    CommandId::EditSameHeight};
    const std::set<CommandId> recent{CommandId::FileRecent1, CommandId::FileRecent2,
                                     CommandId::FileRecent3, CommandId::FileRecent4};
    for (int i = 0; i < kCommandCount; ++i) {
        const CommandId id = CommandId(i);
        if (recent.count(id))
            continue; // enabled while they name a project
        QAction* a = rig_->app.actions().action(id);
        QVERIFY2(a->isEnabled() == !without.count(id), qPrintable(a->text()));
    }
}

void WorkflowTest::fromNewProjectToThePanel() {
    // Pages 1 to 3.
    trigger(CommandId::PageNew);
    trigger(CommandId::PageNew);
    QCOMPARE(document().project().pageCount(), 3);
    view().selectPage(1);

    // One widget of every kind the Widget menu places but the password control.
    const fs::path logo = rig_->folder() / "logo.bmp";
    writeBmp(logo, 32, 16);
    rig_->files.answers.push_back(QString::fromStdString(logo.string()));
    place(CommandId::WidgetPicture, 150, 40);
    place(CommandId::WidgetStaticText, 0, 0);
    place(CommandId::WidgetDynamicText, 60, 0);
    place(CommandId::WidgetLight, 120, 0);
    place(CommandId::WidgetKey, 150, 0);
    place(CommandId::WidgetBarGraph, 0, 20);
    place(CommandId::WidgetTrendChart, 60, 20);
    place(CommandId::WidgetMenu, 0, 40);
    place(CommandId::WidgetAlarm, 60, 40);
    place(CommandId::WidgetRegister, 120, 20);
    CPage& page = *view().currentPage();
    QCOMPARE(page.widgetCount(), 10);

    // The register's pane is shown: three digits, then a click elsewhere stores them.
    PropertyPane* pane = view().shownPane();
    QCOMPARE(pane->typeName(), QString("Register"));
    const int32_t registerId = pane->widgetId();
    typeInto(fieldOf(*pane, "Digit:"), "3");
    QTest::keyClick(&view(), Qt::Key_Escape);
    QCOMPARE((*page.widgetRecord(registerId, "Register"))[RegisterRecord::kDigitsOff] >> 4, 3);

    // System parameters: start page 2. The alarm list: one alarm more.
    const int alarms = document().project().alarmList.entryCount();
    whenModal<CSettingDlg>([](CSettingDlg& dialog) {
        typeInto(fieldOf(dialog, "Start page:"), "2");
        QTest::mouseClick(pushButton(dialog, "OK"), Qt::LeftButton);
    });
    trigger(CommandId::ToolParameter);
    QCOMPARE(document().project().header.startPage(), 2);
    whenModal<CAlarmPageDlg>([](CAlarmPageDlg& dialog) {
        QTest::mouseClick(pushButton(dialog, "Add"), Qt::LeftButton);
        auto* list = dialog.findChild<CEditListCtrl*>();
        list->openEditor(list->rowCount() - 1, 1);
        QTest::keyClicks(list->editor(), "Motor hot");
        QTest::keyClick(list->editor(), Qt::Key_Return);
        QTest::mouseClick(pushButton(dialog, "OK"), Qt::LeftButton);
    });
    trigger(CommandId::PageAlarmList);
    QVERIFY(document().modified());

    // Save asks for folder and name; the pictures go beside the project.
    saveAs("Plant");
    const fs::path project = document().path();
    QVERIFY(fs::exists(project.parent_path() / "pic" / "logo.bmp"));

    // Close and reopen: every record as set.
    const std::vector<uint8_t> registerRecord = *page.widgetRecord(registerId, "Register");
    trigger(CommandId::FileNew);
    QCOMPARE(document().project().pageCount(), 1);
    QVERIFY(rig_->app.openProject(QString::fromStdString(project.string())));
    QCOMPARE(document().project().pageCount(), 3);
    QCOMPARE(document().project().header.startPage(), 2);
    QCOMPARE(document().project().alarmList.entryCount(), alarms + 1);
    const CPage* reopened = document().project().pageByNumber(1);
    QCOMPARE(reopened->widgetCount(), 10);
    QCOMPARE(*reopened->widgetRecord(registerId, "Register"), registerRecord);

    // Download to the panel: the image equals what the tool compiles of the saved project. The
    // new menu's rows jump to page 0, which the project lacks: asked first, answered Yes.
    rig_->prompt = ScriptedPrompt({PromptAnswer::Yes});
    bool downloaded = false;
    whenModal<CDownloadDlg>(
        [](CDownloadDlg& tool) {
            QTest::mouseClick(pushButton(tool, "Serial Download"), Qt::LeftButton);
            QTRY_VERIFY_WITH_TIMEOUT(!tool.busy(), 30000);
            // The transfer's last reports were posted before it ended: let them arrive.
            QCoreApplication::processEvents();
            QCOMPARE(tool.findChild<QProgressBar*>()->value(), 100);
            tool.reject();
        },
        &downloaded);
    trigger(CommandId::ToolDownload);
    QVERIFY(downloaded);
    QCOMPARE(rig_->prompt.texts.size(), std::size_t(1));
    QVERIFY(QString::fromStdString(rig_->prompt.texts[0]).startsWith("The checks find "));

    const QString compiled = rig_->work.filePath("compiled.hc");
    QProcess zorv;
    zorv.start(ZORV_PROGRAM_DIR "/zorv",
               {"compile", QString::fromStdString(project.string()), compiled});
    QVERIFY(zorv.waitForFinished(30000));
    QCOMPARE(zorv.exitCode(), 0);
    const std::vector<uint8_t>& received = rig_->panel.device.interfaceImage();
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(received.data()), qsizetype(received.size())),
             fileBytes(compiled.toStdString()));
    // The temporary image is gone, and the page shown is still page 1.
    QCOMPARE(view().currentPage()->number(), 1);
    QVERIFY(!document().modified());
}

void WorkflowTest::downloadOfANeverSavedProjectCancelledDownloadsNothing() {
    place(CommandId::WidgetStaticText, 0, 0);
    bool toolOpened = false;
    whenModal<CDownloadDlg>([](CDownloadDlg& tool) { tool.reject(); }, &toolOpened);
    answerSaveDialog("Never", false);
    trigger(CommandId::ToolDownload);
    QTest::qWait(50);
    QVERIFY(!toolOpened);
    QVERIFY(document().path().empty());
    QVERIFY(document().modified());
    QVERIFY(rig_->panel.device.interfaceImage().empty());
}

void WorkflowTest::exportLeavesTheImageBesideTheProject() {
    place(CommandId::WidgetStaticText, 0, 0);
    saveAs("Line");
    rig_->registry.setValue("Export", "1");
    whenModal<CDownloadDlg>([](CDownloadDlg& tool) { tool.reject(); });
    trigger(CommandId::ToolDownload);
    const fs::path beside = rig_->work.filePath("projects/Line/Line.hc").toStdString();
    QVERIFY(fs::exists(beside));
    const CompileResult expected = compileImage(document().project(), rig_->paths);
    QCOMPARE(fileBytes(beside).size(), qsizetype(expected.image.size()));

    // Without the switch, no copy.
    fs::remove(beside);
    rig_->registry.setValue("Export", "0");
    whenModal<CDownloadDlg>([](CDownloadDlg& tool) { tool.reject(); });
    trigger(CommandId::ToolDownload);
    QVERIFY(!fs::exists(beside));
}

void WorkflowTest::downloadAnsweredNoKeepsTheEdits() {
    place(CommandId::WidgetStaticText, 0, 0);
    saveAs("Keep");
    place(CommandId::WidgetKey, 40, 20);
    QVERIFY(document().modified());
    const int widgets = view().currentPage()->widgetCount();
    rig_->prompt = ScriptedPrompt({PromptAnswer::No});
    bool toolOpened = false;
    whenModal<CDownloadDlg>([](CDownloadDlg& tool) { tool.reject(); }, &toolOpened);
    trigger(CommandId::ToolDownload);
    QVERIFY(toolOpened);
    QCOMPARE(rig_->prompt.texts, std::vector<std::string>{docmsg::kSaveChanges});
    // The unsaved key is still there, and still unsaved.
    QCOMPARE(view().currentPage()->widgetCount(), widgets);
    QCOMPARE(document().project().page(0)->widgetCount(), widgets);
    QVERIFY(document().modified());
}

void WorkflowTest::downloadAsksBeforeAProjectWithErrors() {
    // A new password control jumps to page 0 on success and failure: no such page.
    place(CommandId::WidgetPassword, 20, 20);
    saveAs("Errors");
    rig_->prompt = ScriptedPrompt({PromptAnswer::No});
    bool toolOpened = false;
    whenModal<CDownloadDlg>([](CDownloadDlg& tool) { tool.reject(); }, &toolOpened);
    trigger(CommandId::ToolDownload);
    QTest::qWait(50);
    QVERIFY(!toolOpened);
    QCOMPARE(rig_->prompt.texts.size(), std::size_t(1));
    QVERIFY(QString::fromStdString(rig_->prompt.texts[0]).startsWith("The checks find "));
    QVERIFY(rig_->panel.device.interfaceImage().empty());
}

// Asked even when nothing is to be saved: Keep mine sends the project on screen (and, unsaved,
// asks to save it first); Reload sends nothing and shows the file's pages.
void WorkflowTest::downloadOfAFileChangedOnDiskAsksFirst() {
    place(CommandId::WidgetStaticText, 0, 0);
    saveAs("Disk");
    // Another program writes a project of that many pages over the file.
    const auto writeTheirs = [&](int pages) {
        CHCData theirs;
        for (int number = 1; number <= pages; ++number)
            theirs.addPage(uint16_t(number), PlaceMode::Insert);
        const std::vector<uint8_t> bytes = encipherProject(projectStream(theirs));
        std::ofstream(document().path(), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    };
    writeTheirs(2);
    rig_->prompt = ScriptedPrompt({PromptAnswer::No, PromptAnswer::No}); // Keep mine, don't save
    bool toolOpened = false;
    whenModal<CDownloadDlg>([](CDownloadDlg& tool) { tool.reject(); }, &toolOpened);
    trigger(CommandId::ToolDownload);
    QVERIFY(toolOpened);
    QCOMPARE(rig_->prompt.texts,
             (std::vector<std::string>{docmsg::kChangedOnDisk, docmsg::kSaveChanges}));
    QCOMPARE(document().project().pageCount(), 1);
    QVERIFY(document().modified());

    writeTheirs(3);
    rig_->prompt = ScriptedPrompt({PromptAnswer::Yes}); // Reload
    toolOpened = false;
    whenModal<CDownloadDlg>([](CDownloadDlg& tool) { tool.reject(); }, &toolOpened);
    trigger(CommandId::ToolDownload);
    QCoreApplication::processEvents();
    QVERIFY(!toolOpened);
    QCOMPARE(rig_->prompt.texts, std::vector<std::string>{docmsg::kChangedOnDisk});
    QCOMPARE(document().project().pageCount(), 3);
    QVERIFY(!document().modified());
}

void WorkflowTest::modbusTableOpensFromTheMenu() {
    QAction* modbus = rig_->app.actions().action(CommandId::ToolModbus);
    QVERIFY(modbus->isEnabled());
    bool opened = false;
    whenModal<CModbusDlg>(
        [](CModbusDlg& dialog) {
            QCOMPARE(dialog.windowTitle(), QString("Modbus Protocol Configuration"));
            QTest::mouseClick(pushButton(dialog, "OK"), Qt::LeftButton);
        },
        &opened);
    modbus->trigger();
    QVERIFY(opened);
    // The table travels with the project: it is saved with it.
    QVERIFY(document().modified());
}

// The Modbus dialog refuses a table of 1028 bytes and is cancelled: the next Save leaves the
// table the project had beside it.
void WorkflowTest::aRefusedModbusTableNeverReachesTheProjectFolder() {
    saveAs("Plant");
    const fs::path beside = rig_->work.filePath("projects/Plant/Plant.mdt").toStdString();
    std::vector<ModbusRow> rows;
    for (int i = 0; i < 159; ++i)
        rows.push_back({3, uint16_t(i + 1), 0, 0});
    const auto big = encodeModbusTable(rows);
    const QString bigFile = rig_->work.filePath("big.mdt");
    std::ofstream(bigFile.toStdString(), std::ios::binary)
        .write(reinterpret_cast<const char*>(big.data()), std::streamsize(big.size()));
    QVERIFY(fs::exists(beside));
    const QByteArray good = fileBytes(beside);
    rig_->files.answers.push_back(bigFile);
    whenModal<CModbusDlg>([](CModbusDlg& dialog) {
        QTest::mouseClick(pushButton(dialog, "Import"), Qt::LeftButton);
        QTest::mouseClick(pushButton(dialog, "OK"), Qt::LeftButton);
        QVERIFY(dialog.isVisible());
        QTest::mouseClick(pushButton(dialog, "CANCEL"), Qt::LeftButton);
    });
    trigger(CommandId::ToolModbus);
    QCOMPARE(rig_->prompt.texts,
             std::vector<std::string>{"Too many configuration data, please delete some data!"});
    QCOMPARE(fileBytes(document().modbusWorkingCopy()), good);
    document().setModified(true);
    trigger(CommandId::FileSave);
    QVERIFY(!document().modified());
    QCOMPARE(fileBytes(beside), good);
    QCOMPARE(rig_->prompt.texts.size(), std::size_t(1));
}

// Import of an older project whose second page repeats page number 1: the editor says that it
// is now page 2, and the tree holds one page of each number, each of which can be shown.
void WorkflowTest::importTellsOfRenumberedPages() {
    QByteArray older = fileBytes(ZORV_SOURCE_DIR "/fuzz/corpus/older_project/two-pages.qsp");
    QCOMPARE(older.at(286), char(0x80)); // the mark before the second page's number
    older[287] = 1;
    QFile file(rig_->work.filePath("twice.qsp"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(older);
    file.close();
    rig_->files.answers.push_back(file.fileName());
    trigger(CommandId::FileImport);
    QCOMPARE(rig_->prompt.texts,
             std::vector<std::string>{"Pages of the older project that repeat a page number were "
                                      "given the next free number:\npage 1 (page record 2 of the "
                                      "file) is now page 2."});
    CPageTree& tree = *view().pageTree();
    QCOMPARE(tree.root()->childCount(), 2);
    for (int number : {1, 2}) {
        QVERIFY(tree.pageItem(number));
        view().selectPage(number);
        QVERIFY(view().currentPage());
        QCOMPARE(int(view().currentPage()->number()), number);
    }
    QCOMPARE(view().currentPage()->widgetCount(), 2); // the picture and the register of "Second"
    QVERIFY(document().modified());
}

void WorkflowTest::exitQuestion_data() {
    QTest::addColumn<bool>("saved");
    QTest::addColumn<bool>("modified");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<int>("questions");
    QTest::newRow("unmodified closes at once")
        << true << false << int(PromptAnswer::Cancel) << true << 0;
    QTest::newRow("saved, Cancel stays") << true << true << int(PromptAnswer::Cancel) << false << 1;
    QTest::newRow("saved, No closes") << true << true << int(PromptAnswer::No) << true << 1;
    QTest::newRow("saved, Yes saves and closes")
        << true << true << int(PromptAnswer::Yes) << true << 1;
    // A project without a file is asked about too; No throws it away, Cancel keeps it.
    QTest::newRow("untitled, Cancel stays")
        << false << true << int(PromptAnswer::Cancel) << false << 1;
    QTest::newRow("untitled, No closes") << false << true << int(PromptAnswer::No) << true << 1;
}

void WorkflowTest::exitQuestion() {
    QFETCH(bool, saved);
    QFETCH(bool, modified);
    QFETCH(int, answer);
    QFETCH(bool, closes);
    QFETCH(int, questions);
    place(CommandId::WidgetStaticText, 0, 0);
    if (saved)
        saveAs("Exit");
    if (!modified)
        document().setModified(false);
    else
        place(CommandId::WidgetKey, 100, 0);
    CMainFrame& frame = rig_->app.frame();
    frame.show();
    rig_->prompt = ScriptedPrompt({PromptAnswer(answer)});
    trigger(CommandId::AppExit);
    QCOMPARE(int(rig_->prompt.texts.size()), questions);
    if (questions)
        QCOMPARE(QString::fromStdString(rig_->prompt.texts[0]),
                 QString("Save the changes made by the project"));
    QCOMPARE(frame.isVisible(), !closes);
    QCOMPARE(document().modified(), modified && !closes);
    if (PromptAnswer(answer) == PromptAnswer::Yes)
        QVERIFY(!document().modified());
}

QTEST_MAIN(WorkflowTest)
#include "WorkflowTest.moc"
