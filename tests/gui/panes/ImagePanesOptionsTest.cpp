// Every check box and choice of the light and key panes set by the user and the option bytes
// compared with their formulas: a box wired to the wrong bit, or a bit kept from the loaded
// record when its box is cleared, would change what the panel does without showing it.
#include <QtTest>

#include "ImagePaneKit.h"
#include "panes/CKeyProperty.h"
#include "panes/CLedProperty.h"

using namespace zorv;
using namespace imagepanekit;

class ImagePanesOptionsTest : public QObject {
    Q_OBJECT
private slots:
    void lightByte1_data();
    void lightByte1();
    void keyByte6_data();
    void keyByte6();
    void keyStepByte7_data();
    void keyStepByte7();
};

void ImagePanesOptionsTest::lightByte1_data() {
    QTest::addColumn<bool>("negative");
    QTest::addColumn<bool>("custom");
    QTest::addColumn<bool>("doubleSize");
    for (int bits = 0; bits < 8; ++bits)
        QTest::addRow("neg%d custom%d double%d", bits & 1, (bits >> 1) & 1, (bits >> 2) & 1)
            << bool(bits & 1) << bool(bits & 2) << bool(bits & 4);
}

// byte 1 = negative logic + 2 custom + 16 double size, whatever the loaded record held.
void ImagePanesOptionsTest::lightByte1() {
    QFETCH(bool, negative);
    QFETCH(bool, custom);
    QFETCH(bool, doubleSize);
    PaneRig<CLedProperty> rig;
    // Start from the opposite of every choice, with a picture so that "Custom" may be chosen.
    LedRecord r = LedRecord::makeDefault();
    r.setPictureName(0, "pic\\lamp.bmp");
    r.setFlags(uint8_t((negative ? 0 : 1) | (custom ? 0 : 2) | (doubleSize ? 0 : 16)));
    r.setDisplayType(custom ? LedRecord::Square : LedRecord::Custom);
    rig.load(r);

    list(rig.pane, "Logic")->setCurrentIndex(negative ? 1 : 0);
    list(rig.pane, "Display type")->setCurrentIndex(custom ? LedRecord::Custom : LedRecord::Round);
    setChecked(rig.pane, "double size", doubleSize);
    QVERIFY(rig.pane.apply());

    const uint8_t expected = uint8_t(negative + 2 * custom + 16 * doubleSize);
    QCOMPARE(int(rig.pane.working().flags()), int(expected));
    QCOMPARE(int(rig.working<LedRecord>().flags()), int(expected));
    QVERIFY(rig.prompt.texts.empty());
}

void ImagePanesOptionsTest::keyByte6_data() {
    QTest::addColumn<bool>("inverted");
    QTest::addColumn<bool>("doubleSize");
    QTest::addColumn<bool>("invisible");
    QTest::addColumn<bool>("encrypted");
    for (int bits = 0; bits < 16; ++bits)
        QTest::addRow("inv%d dbl%d hide%d enc%d", bits & 1, (bits >> 1) & 1, (bits >> 2) & 1,
                      (bits >> 3) & 1)
            << bool(bits & 1) << bool(bits & 2) << bool(bits & 4) << bool(bits & 8);
}

// byte 6 = inverted + 16 double size + 64 invisible + 128 encryption; "Hand-type" is byte 8.
void ImagePanesOptionsTest::keyByte6() {
    QFETCH(bool, inverted);
    QFETCH(bool, doubleSize);
    QFETCH(bool, invisible);
    QFETCH(bool, encrypted);
    PaneRig<CKeyProperty> rig;
    KeyRecord r = KeyRecord::makeDefault();
    r.setAttributes(uint8_t((inverted ? 0 : 1) | (doubleSize ? 0 : 16) | (invisible ? 0 : 64) |
                            (encrypted ? 0 : 128)));
    r.setHand(!inverted);
    rig.load(r);

    setChecked(rig.pane, "Inverted ", inverted);
    setChecked(rig.pane, "double size", doubleSize);
    setChecked(rig.pane, "Invisiable", invisible);
    setChecked(rig.pane, "Encryption", encrypted);
    setChecked(rig.pane, "Hand-type", inverted);
    QVERIFY(rig.pane.apply());

    const KeyRecord k = rig.working<KeyRecord>();
    QCOMPARE(int(k.attributes()), inverted + 16 * doubleSize + 64 * invisible + 128 * encrypted);
    QCOMPARE(int(k.u16(KeyRecord::kHandOff)), int(inverted));
}

void ImagePanesOptionsTest::keyStepByte7_data() {
    QTest::addColumn<bool>("decrease");
    QTest::addColumn<bool>("limiting");
    QTest::addColumn<bool>("isSigned");
    for (int bits = 0; bits < 8; ++bits)
        QTest::addRow("dec%d lim%d signed%d", bits & 1, (bits >> 1) & 1, (bits >> 2) & 1)
            << bool(bits & 1) << bool(bits & 2) << bool(bits & 4);
}

// byte 7 of "Register +/-" = 3 + 16 decrease + 64 limiting + 128 signed.
void ImagePanesOptionsTest::keyStepByte7() {
    QFETCH(bool, decrease);
    QFETCH(bool, limiting);
    QFETCH(bool, isSigned);
    PaneRig<CKeyProperty> rig;
    KeyRecord r = KeyRecord::makeDefault();
    r.setActionByte(uint8_t(KeyRecord::RegisterStep | (decrease ? 0 : 16) | (limiting ? 0 : 64) |
                            (isSigned ? 0 : 128)));
    rig.load(r);

    click(rig.pane, decrease ? "Decrease" : "Increase");
    setChecked(rig.pane, "Limiting", limiting);
    click(rig.pane, isSigned ? "Signed number" : "Unsigned number");
    QVERIFY(rig.pane.apply());

    QCOMPARE(int(rig.working<KeyRecord>().actionByte()),
             3 + 16 * decrease + 64 * limiting + 128 * isSigned);
}

QTEST_MAIN(ImagePanesOptionsTest)
#include "ImagePanesOptionsTest.moc"
