// Guards the option bytes of the static text, dynamic text, menu and alarm-list panes against a
// check box that sets the wrong bit, sets no bit, or clears a bit the pane does not show: every
// combination of the five characteristics gives inverted + 2 border + 4 virtual + 8 flashing +
// 16 double size, "Tweet" sets only bit 5 of the buzzer byte, and the mode of operation of a
// menu is 1 for page jump and 2 for register setting. Nothing else in the record moves.
#include <QTest>

#include "TextPaneKit.h"
#include "model/WidgetRecords.h"

using namespace zorv;
using textpanekit::setChecked;
using textpanekit::ShownPane;

namespace {

template <class R> void checkAttributes(const char* typeName, int mask) {
    ShownPane shown(typeName);
    const R loaded = R::makeDefault();
    shown.load(loaded);
    const bool inverted = mask & 1, border = mask & 2, virtualText = mask & 4, flashing = mask & 8,
               doubleSize = mask & 16;
    setChecked(*shown.pane, "inverted", inverted);
    setChecked(*shown.pane, "border", border);
    setChecked(*shown.pane, "virtual", virtualText);
    setChecked(*shown.pane, "flashing", flashing);
    setChecked(*shown.pane, "doubleSize", doubleSize);
    QVERIFY(shown.pane->apply());
    const int expected = inverted + 2 * border + 4 * virtualText + 8 * flashing + 16 * doubleSize;
    R r = shown.working<R>();
    QCOMPARE(int(r.u8(R::kAttributesOff)), expected);
    r.setU8(R::kAttributesOff, 0);
    QVERIFY(r == loaded);
    QVERIFY(shown.prompt.texts.empty());
}

} // namespace

class TextPanesOptionsTest : public QObject {
    Q_OBJECT
private slots:
    void textAttributes_data();
    void textAttributes();
    void tweetIsBuzzerBit5_data();
    void tweetIsBuzzerBit5();
    void menuMode_data();
    void menuMode();
};

void TextPanesOptionsTest::textAttributes_data() {
    QTest::addColumn<QString>("typeName");
    QTest::addColumn<int>("mask");
    for (const char* name : {"StaticText", "DynamicText"})
        for (int mask = 0; mask < 32; ++mask)
            QTest::addRow("%s %02x", name, mask) << QString(name) << mask;
}

void TextPanesOptionsTest::textAttributes() {
    QFETCH(QString, typeName);
    QFETCH(int, mask);
    if (typeName == "StaticText")
        checkAttributes<StaticTextRecord>("StaticText", mask);
    else
        checkAttributes<DynamicTextRecord>("DynamicText", mask);
}

void TextPanesOptionsTest::tweetIsBuzzerBit5_data() {
    QTest::addColumn<int>("buzzer");
    QTest::addColumn<bool>("tweet");
    QTest::addColumn<int>("expected");
    QTest::newRow("new list, on") << 0x00 << true << 0x20;
    QTest::newRow("other bits kept, on") << 0xDF << true << 0xFF;
    QTest::newRow("other bits kept, off") << 0xFF << false << 0xDF;
    QTest::newRow("off stays off") << 0x00 << false << 0x00;
}

void TextPanesOptionsTest::tweetIsBuzzerBit5() {
    QFETCH(int, buzzer);
    QFETCH(bool, tweet);
    QFETCH(int, expected);
    ShownPane shown("Alarm");
    AlarmListRecord loaded = AlarmListRecord::makeDefault();
    loaded.setBuzzer(uint8_t(buzzer));
    shown.load(loaded);
    setChecked(*shown.pane, "tweet", tweet);
    QVERIFY(shown.pane->apply());
    AlarmListRecord r = shown.working<AlarmListRecord>();
    QCOMPARE(int(r.buzzer()), expected);
    r.setBuzzer(uint8_t(buzzer));
    QVERIFY(r == loaded);
}

void TextPanesOptionsTest::menuMode_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("mode");
    QTest::newRow("Page jump") << "pageJump" << 1;
    QTest::newRow("Register Setting") << "registerSetting" << 2;
}

void TextPanesOptionsTest::menuMode() {
    QFETCH(QString, button);
    QFETCH(int, mode);
    for (uint8_t stored : {MenuRecord::kModePageJump, MenuRecord::kModeRegisterSetting}) {
        ShownPane shown("Menu");
        MenuRecord loaded = MenuRecord::makeDefault();
        loaded.setMode(stored);
        shown.load(loaded);
        setChecked(*shown.pane, qPrintable(button), true);
        QVERIFY(shown.pane->apply());
        MenuRecord r = shown.working<MenuRecord>();
        QCOMPARE(int(r.mode()), mode);
        r.setMode(stored);
        QVERIFY(r == loaded);
    }
}

QTEST_MAIN(TextPanesOptionsTest)
#include "TextPanesOptionsTest.moc"
