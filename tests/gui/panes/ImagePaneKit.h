#pragma once
// Shared steps of the light, key and picture pane tests: a pane with scripted prompts and file
// choosers over a fresh project folder, finding controls by their texts, clicking them, and
// writing 1-bit bitmap files.

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <vector>

#include "model/Bytes.h"
#include "panes/PropertyPane.h"
#include "platform/ScriptedPrompt.h"
#include "platform/qt/ScriptedFileChooser.h"
#include "tests/TestBitmaps.h"

namespace imagepanekit {

// The shown button (push button, check box or radio button) of `pane` with the text.
inline QAbstractButton* button(QWidget& pane, const QString& text) {
    for (QAbstractButton* b : pane.findChildren<QAbstractButton*>())
        if (b->text() == text && b->isVisibleTo(&pane))
            return b;
    return nullptr;
}

// A point on the button that takes clicks: a check box or radio button only takes them on its
// indicator and text, which a wide box leaves at its left.
inline QPoint clickPoint(const QAbstractButton& b) {
    return b.isCheckable() && !qobject_cast<const QPushButton*>(&b) ? QPoint(8, b.height() / 2)
                                                                    : b.rect().center();
}

inline void click(QWidget& pane, const QString& text) {
    QAbstractButton* b = button(pane, text);
    QVERIFY2(b, qPrintable(text));
    QTest::mouseClick(b, Qt::LeftButton, {}, clickPoint(*b));
}

// Sets a check box as the user would: one click when it shows the other state.
inline void setChecked(QWidget& pane, const QString& text, bool on) {
    QAbstractButton* b = button(pane, text);
    QVERIFY2(b, qPrintable(text));
    if (b->isChecked() != on)
        QTest::mouseClick(b, Qt::LeftButton, {}, clickPoint(*b));
    QCOMPARE(b->isChecked(), on);
}

// The list box named to screen readers as `name`.
inline QComboBox* list(QWidget& pane, const QString& name) {
    for (QComboBox* box : pane.findChildren<QComboBox*>())
        if (box->accessibleName() == name)
            return box;
    return nullptr;
}

inline bool hasLabel(QWidget& pane, const QString& text) {
    for (QLabel* label : pane.findChildren<QLabel*>())
        if (label->text() == text && label->isVisibleTo(&pane))
            return true;
    return false;
}

// Types over the whole text of a field, leaving what the field makes of it.
inline void retype(QLineEdit* edit, const QString& text) {
    QVERIFY(edit);
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

// Presses Enter in the pane, which applies it.
inline void pressEnter(zorv::PropertyPane& pane) {
    QWidget* target = pane.focusWidget() ? pane.focusWidget() : &pane;
    QTest::keyClick(target, Qt::Key_Return);
}

// The symbol text of a key or light as bytes, to compare with what the panel's glyphs must be.
template <class R> std::vector<uint8_t> symbolBytes(const R& r) {
    return {r.symbolText().begin(), r.symbolText().end()};
}

// A 1-bit BMP file of the size and bit depth, every pixel 0.
using zorv::test::writeBmp;

// A pane of class P shown with scripted prompts and choosers over a fresh project folder.
template <class P> struct PaneRig {
    QTemporaryDir dir;
    zorv::ScriptedPrompt prompt;
    zorv::ScriptedFileChooser files;
    P pane;

    explicit PaneRig(std::deque<zorv::PromptAnswer> answers = {})
        : prompt(std::move(answers), zorv::PromptAnswer::No) {
        zorv::PaneContext context;
        context.prompt = &prompt;
        context.files = &files;
        context.projectFolder = folder();
        pane.setContext(context);
        pane.resize(525, 290);
        pane.show();
        // Enter reaches the pane's shortcuts only in the active window, as in the editor.
        pane.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&pane));
    }
    std::filesystem::path folder() const { return dir.path().toStdString(); }
    void setProject(const zorv::CHCData* project) {
        zorv::PaneContext context = pane.context();
        context.project = project;
        pane.setContext(context);
    }
    template <class R> void load(const R& r, int32_t id = 1) { pane.loadRecord(r.bytes, id); }
    template <class R> R working() const {
        R r;
        const std::vector<uint8_t> bytes = pane.workingRecord();
        std::copy(bytes.begin(), bytes.end(), r.bytes.begin());
        return r;
    }
};

} // namespace imagepanekit
