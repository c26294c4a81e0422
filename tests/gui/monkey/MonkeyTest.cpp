// A monkey at the editor: thousands of random but plausible events on the real main window
// (clicks and drags on the display and the page tree, keys, menu commands, text typed into the
// pane's fields), every modal dialog and message box answered at random, some through the real
// message box. After each hundred events the project is saved and read back, and must equal what
// the editor holds. Guards against crashes, sanitizer reports, hangs (the test's time-out) and
// saves that do not read back. The seed is printed; ZORV_MONKEY_SEED replays a run and
// ZORV_MONKEY_SECONDS sets its length.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <chrono>
#include <random>

#include "app/CMainFrame.h"
#include "app/CZorvEditorApp.h"
#include "commands/ActionRegistry.h"
#include "editor/CZorvEditorView.h"
#include "model/CZorvEditorDoc.h"
#include "model/FileOps.h"
#include "model/ProjectCipher.h"
#include "model/ProjectStream.h"
#include "platform/ScriptedFileViewer.h"
#include "platform/qt/QtPrompt.h"
#include "platform/qt/ScriptedFileChooser.h"

using namespace zorv;

namespace {

using Random = std::mt19937;

int pick(Random& random, int count) {
    return std::uniform_int_distribution<int>(0, count - 1)(random);
}

// Answers each question at random, now and then through a real message box that the modal
// answerer below clicks.
class MonkeyPrompt : public Prompt {
public:
    explicit MonkeyPrompt(Random& random) : random_(random) {}
    PromptAnswer ask(const std::string& text, PromptButtons buttons) override {
        if (pick(random_, 4) == 0)
            return real_.ask(text, buttons);
        switch (buttons) {
        case PromptButtons::Ok:
            return PromptAnswer::Ok;
        case PromptButtons::OkCancel:
            return pick(random_, 2) ? PromptAnswer::Ok : PromptAnswer::Cancel;
        case PromptButtons::YesNo:
            return pick(random_, 2) ? PromptAnswer::Yes : PromptAnswer::No;
        case PromptButtons::YesNoCancel:
            return std::array{PromptAnswer::Yes, PromptAnswer::No,
                              PromptAnswer::Cancel}[std::size_t(pick(random_, 3))];
        }
        return PromptAnswer::Cancel;
    }

private:
    Random& random_;
    QtPrompt real_;
};

// The project as a reader gives it back: ids renumbered 1, 2, 3 ... in order, as every open does.
std::optional<std::vector<uint8_t>> readBack(std::span<const uint8_t> plain) {
    CHCData project;
    if (!readProjectStream(plain, project))
        return std::nullopt;
    return projectStream(project);
}

std::optional<std::vector<uint8_t>> savedProject(const std::filesystem::path& file) {
    const auto bytes = fileops::readFile(file);
    std::vector<uint8_t> plain;
    if (!bytes || !decipherProject(*bytes, plain))
        return std::nullopt;
    return readBack(plain);
}

template <class W> std::vector<W*> shown(QWidget& parent) {
    std::vector<W*> found;
    for (W* w : parent.findChildren<W*>())
        if (w->isVisible() && w->isEnabled())
            found.push_back(w);
    return found;
}

} // namespace

class MonkeyTest : public QObject {
    Q_OBJECT
private slots:
    void randomEventsKeepTheProjectSound();

private:
    void answerModal();
    void event();
    void clickDisplay(bool drag);
    void clickTree();
    void pressKey();
    void runCommand();
    void typeIntoPane();
    void saveAndReadBack();

    Random random_;
    std::unique_ptr<CZorvEditorApp> app_;
    std::filesystem::path projectFile_;
    int saves_ = 0;
};

void MonkeyTest::randomEventsKeepTheProjectSound() {
    const unsigned seed = qEnvironmentVariableIsSet("ZORV_MONKEY_SEED")
                              ? unsigned(qEnvironmentVariableIntValue("ZORV_MONKEY_SEED"))
                              : unsigned(std::random_device{}());
    const int seconds = qEnvironmentVariableIsSet("ZORV_MONKEY_SECONDS")
                            ? qEnvironmentVariableIntValue("ZORV_MONKEY_SECONDS")
                            : 15;
    qInfo("monkey seed %u (replay with ZORV_MONKEY_SEED=%u), %d s", seed, seed, seconds);
    random_.seed(seed);

    QTemporaryDir work;
    projectFile_ = std::filesystem::path(work.path().toStdString()) / "demo.zvd";
    QVERIFY(fileops::copyOver(ZORV_PROGRAM_DIR "/demo.zvd", projectFile_));
    MemoryRegistry registry;
    registry.setValue("Tip/StartUp", "0");
    MonkeyPrompt prompt(random_);
    ScriptedFileChooser files;
    FixedPaths paths(ZORV_PROGRAM_DIR, work.path().toStdString(), work.path().toStdString());
    ScriptedFileViewer viewer;
    app_ = std::make_unique<CZorvEditorApp>(AppServices{registry, prompt, files, paths, viewer});
    QVERIFY(app_->start(QString::fromStdString(projectFile_.string()), false));

    // Every modal window is answered as soon as it is up, however deep it is nested.
    QTimer answerer;
    answerer.setInterval(20);
    connect(&answerer, &QTimer::timeout, this, &MonkeyTest::answerModal);
    answerer.start();

    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    int events = 0;
    while (std::chrono::steady_clock::now() < end) {
        event();
        if (++events % 100 == 0) {
            saveAndReadBack();
            if (QTest::currentTestFailed())
                break;
        }
    }
    qInfo("%d events, %d saves read back", events, saves_);
    answerer.stop();
    // The frame closes without asking.
    app_->document().setModified(false);
    app_.reset();
    QVERIFY(saves_ > 0);
}

void MonkeyTest::answerModal() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        const QList<QAbstractButton*> buttons = box->buttons();
        if (!buttons.isEmpty())
            QMetaObject::invokeMethod(buttons[pick(random_, int(buttons.size()))],
                                      &QAbstractButton::click, Qt::QueuedConnection);
        return;
    }
    auto* dialog = qobject_cast<QDialog*>(modal);
    if (!dialog)
        return;
    // Now and then a field of the dialog is typed into before it is left.
    if (const auto edits = shown<QLineEdit>(*dialog); !edits.empty() && pick(random_, 2))
        edits[std::size_t(pick(random_, int(edits.size())))]->setText(
            QString::number(pick(random_, 70000)));
    // Queued, so that a message box the answer opens is answered in its turn: the timer does not
    // fire again while its own slot runs.
    const bool accept = pick(random_, 2);
    QMetaObject::invokeMethod(
        dialog,
        [dialog, accept] {
            if (accept)
                dialog->accept();
            else
                dialog->reject();
        },
        Qt::QueuedConnection);
}

void MonkeyTest::event() {
    switch (pick(random_, 10)) {
    case 0:
    case 1:
        clickDisplay(false);
        break;
    case 2:
        clickDisplay(true);
        break;
    case 3:
        clickTree();
        break;
    case 4:
    case 5:
        pressKey();
        break;
    case 6:
        runCommand();
        break;
    default:
        typeIntoPane();
        break;
    }
}

void MonkeyTest::clickDisplay(bool drag) {
    CZorvEditorView& view = app_->view();
    // The display area and a margin around it, where the panel's picture lies.
    const QPoint at(270 + pick(random_, 430), 40 + pick(random_, 160));
    if (!drag) {
        QTest::mouseClick(&view, Qt::LeftButton, {}, at);
        return;
    }
    QTest::mousePress(&view, Qt::LeftButton, {}, at);
    QPoint to = at;
    for (int step = pick(random_, 6); step >= 0; --step) {
        to += QPoint(pick(random_, 41) - 20, pick(random_, 21) - 10);
        QMouseEvent move(QEvent::MouseMove, to, view.mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                         {});
        QApplication::sendEvent(&view, &move);
    }
    QTest::mouseRelease(&view, Qt::LeftButton, {}, to);
}

void MonkeyTest::clickTree() {
    auto* tree = app_->view().findChild<QTreeWidget*>();
    if (!tree)
        return;
    std::vector<QTreeWidgetItem*> items;
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        items.push_back(*it);
    if (items.empty())
        return;
    QTreeWidgetItem* item = items[std::size_t(pick(random_, int(items.size())))];
    tree->scrollToItem(item);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
}

void MonkeyTest::pressKey() {
    static const Qt::Key keys[] = {Qt::Key_Left,   Qt::Key_Right,  Qt::Key_Up,     Qt::Key_Down,
                                   Qt::Key_Delete, Qt::Key_Escape, Qt::Key_Return, Qt::Key_Tab,
                                   Qt::Key_A,      Qt::Key_1};
    QWidget* target = QApplication::focusWidget();
    QTest::keyClick(target ? target : &app_->view(), keys[pick(random_, std::size(keys))]);
}

void MonkeyTest::runCommand() {
    // Leaving the editor, starting other programs and opening the report viewer are not the
    // monkey's to do.
    static const CommandId excluded[] = {CommandId::AppExit, CommandId::ToolCustomizeCharacter,
                                         CommandId::ToolReport, CommandId::ToolReportHtml,
                                         CommandId::HelpTopics};
    const CommandId id = CommandId(pick(random_, kCommandCount));
    if (std::find(std::begin(excluded), std::end(excluded), id) != std::end(excluded))
        return;
    QAction* action = app_->actions().action(id);
    if (action->isEnabled())
        action->trigger();
}

void MonkeyTest::typeIntoPane() {
    CZorvEditorView& view = app_->view();
    std::vector<QWidget*> fields;
    for (QLineEdit* edit : shown<QLineEdit>(view))
        if (!edit->isReadOnly())
            fields.push_back(edit);
    for (QComboBox* box : shown<QComboBox>(view))
        fields.push_back(box);
    if (fields.empty())
        return;
    QWidget* field = fields[std::size_t(pick(random_, int(fields.size())))];
    field->setFocus();
    if (auto* box = qobject_cast<QComboBox*>(field)) {
        if (box->count() > 0)
            box->setCurrentIndex(pick(random_, box->count()));
        return;
    }
    static const QString samples[] = {"12",  "0",    "65535",
                                      "-5",  "777",  "ABC",
                                      "&41", "温度", "a very long text of many characters",
                                      "x"};
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    // One key event carries the whole text, as an input method delivers it (QTest types Latin-1
    // alone).
    QKeyEvent typed(QEvent::KeyPress, 0, Qt::NoModifier,
                    samples[pick(random_, std::size(samples))]);
    QApplication::sendEvent(field, &typed);
    if (pick(random_, 2))
        QTest::keyClick(field, Qt::Key_Return);
}

void MonkeyTest::saveAndReadBack() {
    CZorvEditorDoc& doc = app_->document();
    // A pane that refuses its edits keeps them out of the project: it is left as shown.
    if (!app_->view().commitProperties())
        QTest::keyClick(&app_->view(), Qt::Key_Escape);
    // After a New the project has no file: it is saved where the demo was.
    const std::filesystem::path file = doc.path().empty() ? projectFile_ : doc.path();
    if (!doc.save(file))
        return;
    const auto saved = savedProject(file);
    QVERIFY2(saved, file.c_str());
    const auto held = readBack(projectStream(doc.project()));
    QVERIFY(held);
    QVERIFY2(*saved == *held, "the saved project differs from the editor's");
    ++saves_;
}

QTEST_MAIN(MonkeyTest)
#include "MonkeyTest.moc"
