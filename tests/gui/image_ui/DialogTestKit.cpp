#include "DialogTestKit.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>
#include <fstream>
#include <iterator>

#include "controls/CEditListCtrl.h"
#include "controls/CListCtrlEdit.h"

namespace dialogkit {

void typeText(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(widget, c.toLatin1());
        else // a character no key code names: the key event carries it as its text
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), {});
    }
}

void typeIntoCell(zorv::CEditListCtrl& list, int row, int column, const QString& text) {
    list.openEditor(row, column);
    QLineEdit* editor = list.editor();
    QVERIFY(list.isEditing());
    editor->selectAll();
    QTest::keyClick(editor, Qt::Key_Backspace);
    typeText(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
}

void click(QWidget& dialog, const char* name) {
    auto* button = dialog.findChild<QAbstractButton*>(name);
    QVERIFY2(button, name);
    QTest::mouseClick(button, Qt::LeftButton);
}

void retype(QWidget& dialog, const char* name, const QString& text) {
    auto* edit = dialog.findChild<QLineEdit*>(name);
    QVERIFY2(edit, name);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    typeText(edit, text);
}

std::string readFile(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeFile(const QString& path, const std::string& bytes) {
    std::ofstream(path.toStdString(), std::ios::binary) << bytes;
}

} // namespace dialogkit
