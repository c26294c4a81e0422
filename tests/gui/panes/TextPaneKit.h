#pragma once
// Helpers of the static text, dynamic text, menu and alarm-list pane tests: a pane of a type
// name with scripted prompts in an active window, typing into a list cell through its editor,
// clicking named check boxes, and the working record as its record type.

#include <QAbstractButton>
#include <QTest>
#include <memory>

#include "controls/CEditListCtrl.h"
#include "controls/CListCtrlEdit.h"
#include "panes/PaneFactory.h"
#include "platform/ScriptedPrompt.h"
#include "platform/qt/ScriptedFileChooser.h"

namespace zorv::textpanekit {

// A pane shown in an active window, as the view shows it, with a scripted prompt.
struct ShownPane {
    ScriptedPrompt prompt;
    ScriptedFileChooser files;
    std::unique_ptr<PropertyPane> pane;

    explicit ShownPane(const char* typeName, std::deque<PromptAnswer> answers = {})
        : prompt(std::move(answers)), pane(makePane(typeName, nullptr)) {
        PaneContext context;
        context.prompt = &prompt;
        context.files = &files;
        pane->setContext(context);
        pane->resize(525, 290);
        pane->show();
        pane->activateWindow();
        [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(pane.get());
    }
    template <class R> void load(const R& record, int32_t id = 1) {
        pane->loadRecord(std::span<const uint8_t>(record.bytes), id);
    }
    template <class R> R working() const {
        R r;
        const std::vector<uint8_t> bytes = pane->workingRecord();
        if (bytes.size() == R::kSize)
            std::copy(bytes.begin(), bytes.end(), r.bytes.begin());
        return r;
    }
    template <class W = QWidget> W* child(const char* name) const {
        return pane->findChild<W*>(QString::fromLatin1(name));
    }
};

// Opens the cell's editor, replaces its text by typing and presses Enter.
inline void typeIntoCell(CEditListCtrl& list, int row, int column, const QString& text) {
    list.openEditor(row, column);
    CListCtrlEdit* editor = list.editor();
    QVERIFY(editor->isVisible());
    editor->selectAll();
    QTest::keyClick(editor, Qt::Key_Backspace);
    for (QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(editor, c.toLatin1());
        else // no key code names it: the key event carries it as its text
            QTest::sendKeyEvent(QTest::Click, editor, Qt::Key_unknown, QString(c), {});
    }
    QTest::keyClick(editor, Qt::Key_Return);
}

// Sets a check box (or radio button) named `name` by clicking it when it shows the other state.
inline void setChecked(QWidget& pane, const char* name, bool on) {
    auto* box = pane.findChild<QAbstractButton*>(QString::fromLatin1(name));
    QVERIFY2(box, name);
    if (box->isChecked() != on)
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
    QCOMPARE(box->isChecked(), on);
}

} // namespace zorv::textpanekit
