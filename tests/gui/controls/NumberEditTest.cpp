// Guards the number box against taking what its range forbids: letters or a minus sign where
// it does not belong, a value outside the range left in a full box, a minus sign that costs a
// digit, and shortcuts that stop working.

#include "controls/CNumberEdit.h"
#include "controls/NumberEditRules.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

using zorv::CNumberEdit;
namespace rules = zorv::numberedit;

class NumberEditTest : public QObject {
    Q_OBJECT
private slots:
    void correctedText_data();
    void correctedText();
    void typedCharacter_data();
    void typedCharacter();
    void typing_data();
    void typing();
    void minusIntoFullBox();
    void shortcuts();
    void pasteKeepsOnlyNumber();
    void valueOfText_data();
    void valueOfText();
};

void NumberEditTest::correctedText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<uint>("maximum");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("expected");

    QTest::newRow("short text kept") << "5" << 0 << 100u << 3 << "5";
    QTest::newRow("full, in range") << "100" << 0 << 100u << 3 << "100";
    QTest::newRow("full, above max") << "999" << 0 << 100u << 3 << "100";
    QTest::newRow("full, below min") << "005" << 10 << 100u << 3 << "10";
    QTest::newRow("short below min kept") << "5" << 10 << 100u << 3 << "5";
    QTest::newRow("minus gets one more place") << "-50" << -50 << 50u << 2 << "-50";
    QTest::newRow("full negative below min") << "-51" << -50 << 50u << 2 << "-50";
    QTest::newRow("short negative kept") << "-5" << -50 << 50u << 2 << "-5";
    QTest::newRow("lone minus kept") << "-" << -50 << 50u << 1 << "-";
    QTest::newRow("minus inside starts text") << "12-3" << -50 << 50u << 2 << "-3";
    QTest::newRow("minus at end") << "12-" << -50 << 50u << 2 << "-";
    QTest::newRow("second minus wins") << "--4" << -50 << 50u << 2 << "-4";
    QTest::newRow("minus dropped, minimum 0") << "-5" << 0 << 100u << 3 << "5";
    QTest::newRow("letters dropped") << "1a2b" << 0 << 100u << 3 << "12";
    QTest::newRow("too long is cut, then clamped") << "12345" << 0 << 100u << 3 << "100";
    QTest::newRow("unsigned 32-bit maximum")
        << "4294967296" << 0 << 4294967295u << 10 << "4294967295";
    QTest::newRow("signed 32-bit minimum")
        << "-2147483649" << INT32_MIN << 0u << 10 << "-2147483648";
    QTest::newRow("empty stays empty") << "" << 10 << 100u << 3 << "";
}

void NumberEditTest::correctedText() {
    QFETCH(QString, text);
    QFETCH(int, minimum);
    QFETCH(uint, maximum);
    QFETCH(int, limit);
    QFETCH(QString, expected);
    QCOMPARE(
        QString::fromStdString(rules::correctedText(text.toStdString(), minimum, maximum, limit)),
        expected);
}

void NumberEditTest::typedCharacter_data() {
    QTest::addColumn<uint>("character");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("digit") << uint('7') << 3 << 0 << true;
    QTest::newRow("letter") << uint('a') << 0 << -5 << false;
    QTest::newRow("blank") << uint(' ') << 0 << -5 << false;
    QTest::newRow("plus") << uint('+') << 0 << -5 << false;
    QTest::newRow("backspace") << 0x08u << 2 << 0 << true;
    QTest::newRow("copy control") << 0x03u << 0 << 0 << true;
    QTest::newRow("cut control") << 0x18u << 0 << 0 << true;
    QTest::newRow("paste control") << 0x16u << 0 << 0 << true;
    QTest::newRow("other control") << 0x02u << 0 << 0 << false;
    QTest::newRow("minus first, range 0..100") << uint('-') << 0 << 0 << false;
    QTest::newRow("minus first, range -50..50") << uint('-') << 0 << -50 << true;
    QTest::newRow("minus second, range -50..50") << uint('-') << 1 << -50 << false;
}

void NumberEditTest::typedCharacter() {
    QFETCH(uint, character);
    QFETCH(int, position);
    QFETCH(int, minimum);
    QFETCH(bool, accepted);
    QCOMPARE(rules::acceptsTypedCharacter(character, position, minimum), accepted);
}

void NumberEditTest::typing_data() {
    QTest::addColumn<int>("minimum");
    QTest::addColumn<uint>("maximum");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expected");

    QTest::newRow("0..100 refuses minus") << 0 << 100u << 3 << "-5"
                                          << "5";
    QTest::newRow("0..100 refuses letters") << 0 << 100u << 3 << "4x2"
                                            << "42";
    QTest::newRow("0..100 clamps when full") << 0 << 100u << 3 << "250"
                                             << "100";
    QTest::newRow("-50..50 takes minus first") << -50 << 50u << 2 << "-49"
                                               << "-49";
    QTest::newRow("-50..50 refuses later minus") << -50 << 50u << 2 << "4-"
                                                 << "4";
    QTest::newRow("-50..50 clamps low when full") << -50 << 50u << 2 << "-77"
                                                  << "-50";
    QTest::newRow("-50..50 clamps high when full") << -50 << 50u << 2 << "77"
                                                   << "50";
    QTest::newRow("10..99 short value waits") << 10 << 99u << 2 << "5"
                                              << "5";
}

void NumberEditTest::typing() {
    QFETCH(int, minimum);
    QFETCH(uint, maximum);
    QFETCH(int, maxLength);
    QFETCH(QString, keys);
    QFETCH(QString, expected);
    CNumberEdit edit;
    edit.setRange(minimum, maximum);
    edit.setMaxLength(maxLength);
    QTest::keyClicks(&edit, keys);
    QCOMPARE(edit.text(), expected);
}

void NumberEditTest::minusIntoFullBox() {
    CNumberEdit edit;
    edit.setRange(-999, 999);
    edit.setMaxLength(3);
    QTest::keyClicks(&edit, "123");
    QTest::keyClick(&edit, Qt::Key_Home);
    QTest::keyClicks(&edit, "-");
    QCOMPARE(edit.text(), QString("-123"));
    QCOMPARE(edit.value(), -123);
    // Without the minus the owner's limit is back.
    QTest::keyClick(&edit, Qt::Key_Home);
    QTest::keyClick(&edit, Qt::Key_Delete);
    QCOMPARE(edit.maxLength(), 3);
}

void NumberEditTest::shortcuts() {
    CNumberEdit edit;
    edit.setRange(0, 999999);
    edit.setMaxLength(6);
    QTest::keyClicks(&edit, "123");
    QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(edit.selectedText(), QString("123"));
    QTest::keyClick(&edit, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("123"));
    QTest::keyClick(&edit, Qt::Key_End);
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit.text(), QString("123123"));
    QTest::keyClick(&edit, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(edit.text(), QString("123"));
    QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&edit, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(edit.text(), QString());
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("123"));
    // Other Ctrl letters do nothing.
    QTest::keyClick(&edit, Qt::Key_B, Qt::ControlModifier);
    QCOMPARE(edit.text(), QString());
}

void NumberEditTest::pasteKeepsOnlyNumber() {
    CNumberEdit edit;
    edit.setRange(-50, 50);
    edit.setMaxLength(3);
    QGuiApplication::clipboard()->setText("a-7");
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit.text(), QString("-7"));
}

void NumberEditTest::valueOfText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("value");
    QTest::newRow("empty") << "" << qint64(0);
    QTest::newRow("lone minus") << "-" << qint64(0);
    QTest::newRow("negative") << "-42" << qint64(-42);
    QTest::newRow("unsigned max") << "4294967295" << qint64(4294967295LL);
    QTest::newRow("saturates") << "99999999999999999999" << qint64(INT64_MAX);
}

void NumberEditTest::valueOfText() {
    QFETCH(QString, text);
    QFETCH(qint64, value);
    QCOMPARE(rules::textValue(text.toStdString()), value);
}

QTEST_MAIN(NumberEditTest)
#include "NumberEditTest.moc"
