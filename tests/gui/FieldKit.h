#pragma once
// Finding a dialog's or pane's field by the label that names it, and typing into it as the user
// does.

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

// Replaces the text of a field by typing.
inline void typeInto(QLineEdit* field, const QString& text) {
    QVERIFY(field);
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
    QCOMPARE(field->text(), text);
}

} // namespace zorv::test
