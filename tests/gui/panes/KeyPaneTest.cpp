// The key pane as the user works it: key symbol texts (a wrong glyph shows the wrong key on the
// panel), the step fields relabelled and the limit field usable only while limiting, the action
// buttons' sub-panes, the jump's alarm list and page range, step values cut to their range, the key
// image asked of the view at once, and Enter applying and telling only of changes.
#include <QtTest>

#include <QStackedWidget>

#include "ImagePaneKit.h"
#include "panes/CKeyProperty.h"
#include "panes/CKeyPropertySet2.h"
#include "panes/CKeyPropertySet4.h"
#include "tests/gui/FieldKit.h"

using namespace zorv;
using namespace imagepanekit;
using test::namedField;

Q_DECLARE_METATYPE(std::vector<uint8_t>)

class KeyPaneTest : public QObject {
    Q_OBJECT
private slots:
    void keySymbolTexts_data();
    void keySymbolTexts();
    void unknownKeyCodeShownAsEsc();
    void decreaseRelabelsAtOnce();
    void limitingEnablesTheLimitField();
    void actionButtonsSwitchTheSubPane();
    void jumpToAlarmListAndPageRange();
    void stepValuesCutToTheirRange();
    void keyImageAskedAtOnce();
    void enterAppliesAndNotifiesOnlyChanges();
};

void KeyPaneTest::keySymbolTexts_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("hand");
    QTest::addColumn<int>("keyCode");
    QTest::addColumn<std::vector<uint8_t>>("symbol");
    QTest::newRow("ESC") << "'ESC'" << false << 18 << std::vector<uint8_t>{0xFF, 0};
    QTest::newRow("F1") << "'F1'" << false << 10 << std::vector<uint8_t>{0xFF, 22};
    QTest::newRow("F1 hand") << "'F1'" << true << 10 << std::vector<uint8_t>{0xFF, 0x1A, 0xFF, 22};
    QTest::newRow("LEFT") << "'LEFT' " << false << 22 << std::vector<uint8_t>{0xFF, 1};
    QTest::newRow("0") << "'0'" << false << 0 << std::vector<uint8_t>{0xFF, 8};
    QTest::newRow("+/- hand") << "'+/-'" << true << 17
                              << std::vector<uint8_t>{0xFF, 0x1A, 0xFF, 18};
    QTest::newRow("STOP") << "'STOP'" << false << 28 << std::vector<uint8_t>{0xFF, 21};
    QTest::newRow("F4") << "'F4'" << false << 13 << std::vector<uint8_t>{0xFF, 25};
}

void KeyPaneTest::keySymbolTexts() {
    QFETCH(QString, key);
    QFETCH(bool, hand);
    QFETCH(int, keyCode);
    QFETCH(std::vector<uint8_t>, symbol);
    PaneRig<CKeyProperty> rig;
    rig.load(KeyRecord::makeDefault());
    QComboBox* keys = list(rig.pane, "Key");
    QCOMPARE(keys->count(), 25);
    QCOMPARE(keys->currentText(), QString("'ESC'"));
    keys->setCurrentIndex(keys->findText(key));
    setChecked(rig.pane, "Hand-type", hand);
    QVERIFY(rig.pane.apply());
    const KeyRecord r = rig.working<KeyRecord>();
    QCOMPARE(int(r.keyCode()), keyCode);
    QCOMPARE(symbolBytes(r), symbol);
    QCOMPARE(r.working(), int32_t(symbol.size() + 1));
}

void KeyPaneTest::unknownKeyCodeShownAsEsc() {
    PaneRig<CKeyProperty> rig;
    KeyRecord r = KeyRecord::makeDefault();
    r.setKeyCode(15); // no key of the panel
    rig.load(r);
    QCOMPARE(list(rig.pane, "Key")->currentText(), QString("'ESC'"));
    QVERIFY(rig.pane.apply());
    QCOMPARE(int(rig.working<KeyRecord>().keyCode()), 18);
}

void KeyPaneTest::decreaseRelabelsAtOnce() {
    PaneRig<CKeyProperty> rig;
    KeyRecord r = KeyRecord::makeDefault();
    r.setActionByte(KeyRecord::RegisterStep);
    rig.load(r);
    QVERIFY(hasLabel(rig.pane, "Added Value :"));
    QVERIFY(hasLabel(rig.pane, "Upper limit:"));
    click(rig.pane, "Decrease");
    QVERIFY(hasLabel(rig.pane, "Decrease value:"));
    QVERIFY(hasLabel(rig.pane, "Lower limit:"));
    QVERIFY(!hasLabel(rig.pane, "Upper limit:"));
    click(rig.pane, "Increase");
    QVERIFY(hasLabel(rig.pane, "Added value:"));
    QVERIFY(hasLabel(rig.pane, "Upper limit:"));
    // A key stored as decreasing opens with the decrease labels.
    r.setActionByte(KeyRecord::RegisterStep | KeyRecord::kDecrease);
    rig.load(r);
    QVERIFY(hasLabel(rig.pane, "Decrease value:"));
    QVERIFY(hasLabel(rig.pane, "Lower limit:"));
}

void KeyPaneTest::limitingEnablesTheLimitField() {
    PaneRig<CKeyProperty> rig;
    KeyRecord r = KeyRecord::makeDefault();
    r.setActionByte(KeyRecord::RegisterStep);
    r.setLimit(50);
    rig.load(r);
    QLineEdit* limit = namedField(rig.pane, "Limit");
    QVERIFY(limit);
    QVERIFY(!limit->isEnabled());
    setChecked(rig.pane, "Limiting", true);
    QVERIFY(limit->isEnabled());
    retype(limit, "120");
    retype(namedField(rig.pane, "Step value"), "5");
    QVERIFY(rig.pane.apply());
    KeyRecord k = rig.working<KeyRecord>();
    QCOMPARE(int(k.limit()), 120);
    QCOMPARE(int(k.value()), 5);
    setChecked(rig.pane, "Limiting", false);
    QVERIFY(!limit->isEnabled());
    QVERIFY(rig.pane.apply());
    QCOMPARE(int(rig.working<KeyRecord>().actionByte() & KeyRecord::kLimiting), 0);
}

void KeyPaneTest::actionButtonsSwitchTheSubPane() {
    PaneRig<CKeyProperty> rig;
    rig.load(KeyRecord::makeDefault());
    auto* stack = rig.pane.findChild<QStackedWidget*>();
    QVERIFY(stack);
    auto* registerType = list(rig.pane, "Register type");
    QCOMPARE(stack->currentWidget(), rig.pane.subPane(KeyRecord::SetCoil));
    // A coil is an M bit only.
    QCOMPARE(registerType->count(), 1);
    QCOMPARE(registerType->itemText(0), QString("M"));
    const char* const buttons[] = {"Set coil", "Screen jump", "Set register", "Register +/-"};
    for (int action : {1, 2, 3, 0}) {
        click(rig.pane, buttons[action]);
        QCOMPARE(rig.pane.action(), action);
        QCOMPARE(stack->currentWidget(), rig.pane.subPane(action));
        QCOMPARE(registerType->parentWidget()->isEnabled(), action != KeyRecord::ScreenJump);
    }
    click(rig.pane, "Set register");
    QCOMPARE(registerType->count(), 2);
    registerType->setCurrentIndex(registerType->findText("D"));
    retype(namedField(rig.pane, "Address"), "9000");
    retype(namedField(rig.pane, "Parameter"), "-5");
    click(rig.pane, "Signed number");
    QVERIFY(rig.pane.apply());
    const KeyRecord k = rig.working<KeyRecord>();
    QCOMPARE(int(k.action()), int(KeyRecord::SetRegister));
    QCOMPARE(k.reg(), (RegisterRef{1, uint8_t(RegisterType::D), 8499}));
    QCOMPARE(int(k.value()), 0xFFFB);
    // The address box shows the bound used.
    QCOMPARE(namedField(rig.pane, "Address")->text(), QString("8499"));
}

void KeyPaneTest::jumpToAlarmListAndPageRange() {
    PaneRig<CKeyProperty> rig;
    rig.load(KeyRecord::makeDefault());
    click(rig.pane, "Screen jump");
    QVERIFY(hasLabel(rig.pane, "(1~65535)"));
    QLineEdit* page = namedField(rig.pane, "Jump to page");
    retype(page, "0");
    QVERIFY(rig.pane.apply());
    QCOMPARE(int(rig.working<KeyRecord>().value()), 1);
    QCOMPARE(page->text(), QString("1"));
    retype(page, "70000");
    QVERIFY(rig.pane.apply());
    QCOMPARE(int(rig.working<KeyRecord>().value()), 65535);
    QCOMPARE(page->text(), QString("65535"));
    // The panel reads 65535 as the alarm list, and so does the pane.
    QVERIFY(button(rig.pane, "Alarm list")->isChecked());
    setChecked(rig.pane, "Alarm list", false);
    retype(page, "12");
    QVERIFY(rig.pane.apply());
    QCOMPARE(int(rig.working<KeyRecord>().value()), 12);

    setChecked(rig.pane, "Alarm list", true);
    QVERIFY(!page->isEnabled());
    QVERIFY(rig.pane.apply());
    const KeyRecord k = rig.working<KeyRecord>();
    QCOMPARE(int(k.value()), int(KeyRecord::kJumpToAlarmList));
    // Reopened: the alarm list checked, the page showing 65535.
    PaneRig<CKeyProperty> again;
    again.load(k);
    QVERIFY(button(again.pane, "Alarm list")->isChecked());
    QCOMPARE(namedField(again.pane, "Jump to page")->text(), QString("65535"));
}

void KeyPaneTest::stepValuesCutToTheirRange() {
    PaneRig<CKeyProperty> rig;
    KeyRecord r = KeyRecord::makeDefault();
    r.setActionByte(KeyRecord::RegisterStep | KeyRecord::kLimiting);
    rig.load(r);
    retype(namedField(rig.pane, "Step value"), "70000");
    retype(namedField(rig.pane, "Limit"), "-3");
    QVERIFY(rig.pane.apply());
    KeyRecord k = rig.working<KeyRecord>();
    QCOMPARE(int(k.value()), 65535);
    QCOMPARE(int(k.limit()), 0);
    QCOMPARE(namedField(rig.pane, "Step value")->text(), QString("65535"));
    click(rig.pane, "Signed number");
    retype(namedField(rig.pane, "Step value"), "-40000");
    QVERIFY(rig.pane.apply());
    QCOMPARE(namedField(rig.pane, "Step value")->text(), QString("-32768"));
}

void KeyPaneTest::keyImageAskedAtOnce() {
    PaneRig<CKeyProperty> rig;
    rig.load(KeyRecord::makeDefault());
    QSignalSpy looks(&rig.pane, &PropertyPane::lookChanged);
    QComboBox* keys = list(rig.pane, "Key");
    // Every key, the F keys too, is drawn as chosen before the pane is confirmed.
    keys->setCurrentIndex(keys->findText("'F1'"));
    QCOMPARE(looks.count(), 1);
    const uint8_t f1 = rig.working<KeyRecord>().keyCode();
    QVERIFY(f1 != KeyRecord::kEscKeyCode);
    setChecked(rig.pane, "Inverted ", true);
    setChecked(rig.pane, "double size", true);
    QCOMPARE(looks.count(), 3);
    const KeyRecord shown = rig.working<KeyRecord>();
    QCOMPARE(shown.keyCode(), f1);
    QVERIFY(shown.attributes() & KeyRecord::kInverted);
    QVERIFY(shown.attributes() & KeyRecord::kDoubleSize);
    // Loading a record draws nothing anew.
    looks.clear();
    rig.load(KeyRecord::makeDefault());
    QCOMPARE(looks.count(), 0);
}

void KeyPaneTest::enterAppliesAndNotifiesOnlyChanges() {
    PaneRig<CKeyProperty> rig;
    rig.load(KeyRecord::makeDefault());
    QVERIFY(rig.pane.apply()); // symbol text and working value of a new key
    QSignalSpy applied(&rig.pane, &PropertyPane::recordApplied);
    list(rig.pane, "Key")->setFocus();
    pressEnter(rig.pane);
    QCOMPARE(applied.count(), 0);
    setChecked(rig.pane, "Encryption", true);
    pressEnter(rig.pane);
    QCOMPARE(applied.count(), 1);
    QCOMPARE(int(rig.working<KeyRecord>().attributes()), int(KeyRecord::kEncrypted));
}

QTEST_MAIN(KeyPaneTest)
#include "KeyPaneTest.moc"
