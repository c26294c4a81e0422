#pragma once
// Finding a dialog's or pane's field by the label or the screen-reader name that names it, and
// typing or pasting into it as the user does.

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace zorv::test {

// The field that the shown label of exactly this text names.
template <class W = QLineEdit> W* fieldOf(QWidget& parent, const QString& labelText) {
    for (QLabel* label : parent.findChildren<QLabel*>())
        if (label->text() == labelText && label->isVisibleTo(&parent))
            return qobject_cast<W*>(label->buddy());
    return nullptr;
}

// The shown field whose name to screen readers is exactly `name`.
template <class W = QLineEdit> W* namedField(QWidget& parent, const QString& name) {
    for (W* field : parent.findChildren<W*>())
        if (field->accessibleName() == name && field->isVisibleTo(&parent))
            return field;
    return nullptr;
}

// Replaces the text of a field by typing.
inline void typeInto(QLineEdit* field, const QString& text) {
    QVERIFY(field);
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
    QCOMPARE(field->text(), text);
}

// Replaces the text of a field by pasting `text` (characters no key types among them) with the
// paste keys.
inline void pasteInto(QLineEdit* field, const QString& text) {
    QVERIFY(field);
    QGuiApplication::clipboard()->setText(text);
    field->setFocus();
    field->selectAll();
    QTest::keySequence(field, QKeySequence::Paste);
    QCOMPARE(field->text(), text);
}

} // namespace zorv::test
