// The light, key and picture panes as the user works them: key symbol texts (a wrong glyph shows
// the wrong key on the panel), the step fields relabelled and the limit field usable only while
// limiting, the jump's alarm list and page range, a custom light without a picture refused, the
// replace questions answered both ways with the replaced file deleted or kept (a file another
// widget still names must stay, or that widget loses its image), refused bitmaps, the images
// asked of the view at once, and the picture pane's size.
#include <QtTest>

#include <QStackedWidget>

#include "ImagePaneKit.h"
#include "model/CHCData.h"
#include "model/rules/LedRules.h"
#include "panes/CKeyProperty.h"
#include "panes/CKeyPropertySet2.h"
#include "panes/CKeyPropertySet4.h"
#include "panes/CLedProperty.h"
#include "panes/CPictureProperty.h"

using namespace zorv;
using namespace imagepanekit;
namespace fs = std::filesystem;

Q_DECLARE_METATYPE(std::vector<uint8_t>)

namespace {

QLineEdit* field(QWidget& pane, const QString& accessibleName) {
    for (QLineEdit* edit : pane.findChildren<QLineEdit*>())
        if (edit->accessibleName() == accessibleName && edit->isVisibleTo(&pane))
            return edit;
    return nullptr;
}

void retype(QLineEdit* edit, const QString& text) {
    QVERIFY(edit);
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

std::vector<uint8_t> symbolBytes(const KeyRecord& r) {
    return {r.symbolText().begin(), r.symbolText().end()};
}

// A light that names `positive` (and `negative`) as its pictures.
LedRecord lightWith(const std::string& positive, const std::string& negative = {}) {
    LedRecord r = LedRecord::makeDefault();
    r.setPictureName(0, positive);
    r.setPictureName(1, negative);
    return r;
}

} // namespace

class ImagePanesTest : public QObject {
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

    void customLightWithoutPictureRefused();
    void lightAddressOfXIsOctal();
    void lightImageAskedAtOnce();
    void replaceQuestion_data();
    void replaceQuestion();
    void replacedFileAnotherWidgetNamesStays();
    void firstPictureAsksNothing();
    void badBitmapRefused();

    void pictureSizeShownAndKept();
};

void ImagePanesTest::keySymbolTexts_data() {
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

void ImagePanesTest::keySymbolTexts() {
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

void ImagePanesTest::unknownKeyCodeShownAsEsc() {
    PaneRig<CKeyProperty> rig;
    KeyRecord r = KeyRecord::makeDefault();
    r.setKeyCode(15); // no key of the panel
    rig.load(r);
    QCOMPARE(list(rig.pane, "Key")->currentText(), QString("'ESC'"));
    QVERIFY(rig.pane.apply());
    QCOMPARE(int(rig.working<KeyRecord>().keyCode()), 18);
}

void ImagePanesTest::decreaseRelabelsAtOnce() {
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

void ImagePanesTest::limitingEnablesTheLimitField() {
    PaneRig<CKeyProperty> rig;
    KeyRecord r = KeyRecord::makeDefault();
    r.setActionByte(KeyRecord::RegisterStep);
    r.setLimit(50);
    rig.load(r);
    QLineEdit* limit = field(rig.pane, "Limit");
    QVERIFY(limit);
    QVERIFY(!limit->isEnabled());
    setChecked(rig.pane, "Limiting", true);
    QVERIFY(limit->isEnabled());
    retype(limit, "120");
    retype(field(rig.pane, "Step value"), "5");
    QVERIFY(rig.pane.apply());
    KeyRecord k = rig.working<KeyRecord>();
    QCOMPARE(int(k.limit()), 120);
    QCOMPARE(int(k.value()), 5);
    setChecked(rig.pane, "Limiting", false);
    QVERIFY(!limit->isEnabled());
    QVERIFY(rig.pane.apply());
    QCOMPARE(int(rig.working<KeyRecord>().actionByte() & KeyRecord::kLimiting), 0);
}

void ImagePanesTest::actionButtonsSwitchTheSubPane() {
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
    retype(field(rig.pane, "Address"), "9000");
    retype(field(rig.pane, "Parameter"), "-5");
    click(rig.pane, "Signed number");
    QVERIFY(rig.pane.apply());
    const KeyRecord k = rig.working<KeyRecord>();
    QCOMPARE(int(k.action()), int(KeyRecord::SetRegister));
    QCOMPARE(k.reg(), (RegisterRef{1, uint8_t(RegisterType::D), 8499}));
    QCOMPARE(int(k.value()), 0xFFFB);
    // The address box shows the bound used.
    QCOMPARE(field(rig.pane, "Address")->text(), QString("8499"));
}

void ImagePanesTest::jumpToAlarmListAndPageRange() {
    PaneRig<CKeyProperty> rig;
    rig.load(KeyRecord::makeDefault());
    click(rig.pane, "Screen jump");
    QVERIFY(hasLabel(rig.pane, "(1~65535)"));
    QLineEdit* page = field(rig.pane, "Jump to page");
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
    QCOMPARE(field(again.pane, "Jump to page")->text(), QString("65535"));
}

void ImagePanesTest::stepValuesCutToTheirRange() {
    PaneRig<CKeyProperty> rig;
    KeyRecord r = KeyRecord::makeDefault();
    r.setActionByte(KeyRecord::RegisterStep | KeyRecord::kLimiting);
    rig.load(r);
    retype(field(rig.pane, "Step value"), "70000");
    retype(field(rig.pane, "Limit"), "-3");
    QVERIFY(rig.pane.apply());
    KeyRecord k = rig.working<KeyRecord>();
    QCOMPARE(int(k.value()), 65535);
    QCOMPARE(int(k.limit()), 0);
    QCOMPARE(field(rig.pane, "Step value")->text(), QString("65535"));
    click(rig.pane, "Signed number");
    retype(field(rig.pane, "Step value"), "-40000");
    QVERIFY(rig.pane.apply());
    QCOMPARE(field(rig.pane, "Step value")->text(), QString("-32768"));
}

void ImagePanesTest::keyImageAskedAtOnce() {
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

void ImagePanesTest::enterAppliesAndNotifiesOnlyChanges() {
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

void ImagePanesTest::customLightWithoutPictureRefused() {
    PaneRig<CLedProperty> rig;
    LedRecord r = LedRecord::makeDefault();
    r.setDisplayType(LedRecord::Square);
    rig.load(r);
    QComboBox* type = list(rig.pane, "Display type");
    type->setCurrentIndex(LedRecord::Custom);
    QCOMPARE(rig.prompt.texts, std::vector<std::string>{rules::kAddCustomImageMessage});
    QCOMPARE(type->currentIndex(), int(LedRecord::Square));
    QVERIFY(rig.pane.apply());
    const LedRecord applied = rig.working<LedRecord>();
    QCOMPARE(int(applied.displayType()), int(LedRecord::Square));
    QCOMPARE(int(applied.flags() & LedRecord::kCustomPictures), 0);
    QCOMPARE(int(applied.symbolText()[1]), int(LedRecord::kSquareGlyph));

    // With a picture, "Custom" is taken.
    rig.prompt.texts.clear();
    rig.load(lightWith("pic\\lamp.bmp"));
    type->setCurrentIndex(LedRecord::Custom);
    QVERIFY(rig.prompt.texts.empty());
    QVERIFY(rig.pane.apply());
    QCOMPARE(int(rig.working<LedRecord>().displayType()), int(LedRecord::Custom));
}

void ImagePanesTest::lightAddressOfXIsOctal() {
    PaneRig<CLedProperty> rig;
    rig.load(LedRecord::makeDefault());
    QComboBox* type = list(rig.pane, "Register type");
    QCOMPARE(type->count(), 4);
    type->setCurrentIndex(type->findText("X"));
    QLineEdit* address = field(rig.pane, "Address");
    retype(address, "3879");
    QCOMPARE(address->text(), QString("37")); // 8 and 9 are no octal digits
    retype(address, "377");
    QVERIFY(rig.pane.apply());
    QCOMPARE(int(rig.working<LedRecord>().reg().address), 255);
    retype(address, "400");
    QVERIFY(rig.pane.apply());
    QCOMPARE(rig.prompt.texts, std::vector<std::string>{kAddressOctalLimitMessage});
    QCOMPARE(address->text(), QString("377"));
    QCOMPARE(int(rig.working<LedRecord>().reg().address), 255);
}

void ImagePanesTest::lightImageAskedAtOnce() {
    PaneRig<CLedProperty> rig;
    rig.load(LedRecord::makeDefault());
    QSignalSpy looks(&rig.pane, &PropertyPane::lookChanged);
    list(rig.pane, "Display type")->setCurrentIndex(LedRecord::Square);
    list(rig.pane, "Logic")->setCurrentIndex(1);
    setChecked(rig.pane, "double size", true);
    QCOMPARE(looks.count(), 3);
    const LedRecord shown = rig.working<LedRecord>();
    QCOMPARE(int(shown.displayType()), int(LedRecord::Square));
    QVERIFY(shown.flags() & LedRecord::kNegativeLogic);
    QVERIFY(shown.flags() & LedRecord::kDoubleSize);
}

void ImagePanesTest::replaceQuestion_data() {
    QTest::addColumn<int>("logic");
    QTest::addColumn<bool>("yes");
    QTest::newRow("positive, yes") << 0 << true;
    QTest::newRow("positive, no") << 0 << false;
    QTest::newRow("negative, yes") << 1 << true;
    QTest::newRow("negative, no") << 1 << false;
}

void ImagePanesTest::replaceQuestion() {
    QFETCH(int, logic);
    QFETCH(bool, yes);
    PaneRig<CLedProperty> rig({yes ? PromptAnswer::Yes : PromptAnswer::No});
    fs::create_directories(rig.folder() / "pic");
    writeBmp(rig.folder() / "pic" / "old.bmp", 8, 8);
    fs::permissions(rig.folder() / "pic" / "old.bmp", fs::perms::owner_write,
                    fs::perm_options::remove); // read-only, as Delete meets it too
    writeBmp(rig.folder() / "lamp.bmp", 16, 12);
    rig.files.answers = {QString::fromStdString((rig.folder() / "lamp.bmp").string())};
    LedRecord r = LedRecord::makeDefault();
    r.setPictureName(logic, "pic\\old.bmp");
    rig.load(r);

    click(rig.pane, logic == 0 ? "Positive logic Picture" : "Negative logic Picture");
    QCOMPARE(rig.prompt.texts,
             std::vector<std::string>{logic == 0 ? rules::kReplacePositivePictureQuestion
                                                 : rules::kReplaceNegativePictureQuestion});
    QCOMPARE(rig.files.captions.size(), yes ? 1 : 0);
    QCOMPARE(fs::exists(rig.folder() / "pic" / "old.bmp"), !yes);
    const LedRecord after = rig.working<LedRecord>();
    QCOMPARE(after.pictureName(logic), std::string(yes ? "pic\\lamp.bmp" : "pic\\old.bmp"));
    if (yes) {
        QVERIFY(fs::exists(rig.folder() / "pic" / "lamp.bmp"));
        QCOMPARE(int(after.pictureWidth(logic)), 16);
        QCOMPARE(int(after.pictureHeight(logic)), 12);
        QCOMPARE(after.bitmapCount(logic), 4 * 12);
    }
    QVERIFY(after.pictureName(1 - logic).empty());
}

void ImagePanesTest::replacedFileAnotherWidgetNamesStays() {
    PaneRig<CLedProperty> rig({PromptAnswer::Yes, PromptAnswer::Yes});
    fs::create_directories(rig.folder() / "pic");
    writeBmp(rig.folder() / "pic" / "old.bmp", 8, 8);
    writeBmp(rig.folder() / "lamp.bmp", 8, 8);
    const QString lamp = QString::fromStdString((rig.folder() / "lamp.bmp").string());
    rig.files.answers = {lamp, lamp};
    // Page 1 holds this light (id 1) and a picture (id 2) naming the same file.
    CHCData project;
    CPage* page = project.addPage(1, PlaceMode::Insert);
    page->addWidget("Led")->set(lightWith("pic\\old.bmp"));
    PictureRecord picture;
    picture.setPictureName("Pic/OLD.bmp");
    page->addWidget("Picture")->set(picture);
    rig.setProject(&project);
    rig.load(lightWith("pic\\old.bmp"), 1);

    click(rig.pane, "Positive logic Picture");
    QVERIFY(fs::exists(rig.folder() / "pic" / "old.bmp"));
    QCOMPARE(rig.pane.working().pictureName(0), std::string("pic\\lamp.bmp"));

    // Replacing again: lamp.bmp is named by nothing else and goes; the copy is lampa.bmp.
    click(rig.pane, "Positive logic Picture");
    QVERIFY(!fs::exists(rig.folder() / "pic" / "lamp.bmp"));
    QVERIFY(fs::exists(rig.folder() / "pic" / "lampa.bmp"));
    QCOMPARE(rig.pane.working().pictureName(0), std::string("pic\\lampa.bmp"));
}

void ImagePanesTest::firstPictureAsksNothing() {
    PaneRig<CLedProperty> rig;
    writeBmp(rig.folder() / "lamp.bmp", 8, 8);
    rig.files.answers = {QString::fromStdString((rig.folder() / "lamp.bmp").string())};
    rig.load(LedRecord::makeDefault());
    click(rig.pane, "Negative logic Picture");
    QVERIFY(rig.prompt.texts.empty());
    QCOMPARE(rig.files.filters, QStringList{"Bitmap file (*.bmp)"});
    QCOMPARE(rig.pane.working().pictureName(1), std::string("pic\\lamp.bmp"));
    // Now "Custom" is taken and applied with the custom bit.
    list(rig.pane, "Display type")->setCurrentIndex(LedRecord::Custom);
    list(rig.pane, "Logic")->setCurrentIndex(1);
    QVERIFY(rig.pane.apply());
    QCOMPARE(int(rig.working<LedRecord>().flags()),
             int(LedRecord::kNegativeLogic | LedRecord::kCustomPictures));
}

void ImagePanesTest::badBitmapRefused() {
    PaneRig<CLedProperty> rig({PromptAnswer::Yes});
    fs::create_directories(rig.folder() / "pic");
    writeBmp(rig.folder() / "pic" / "old.bmp", 8, 8);
    writeBmp(rig.folder() / "wide.bmp", 193, 8);
    rig.files.answers = {QString::fromStdString((rig.folder() / "wide.bmp").string())};
    const LedRecord before = lightWith("pic\\old.bmp");
    rig.load(before);
    click(rig.pane, "Positive logic Picture");
    QCOMPARE(rig.prompt.texts, (std::vector<std::string>{rules::kReplacePositivePictureQuestion,
                                                         rules::kLedBitmapFormatMessage}));
    QVERIFY(rig.pane.working() == before);
    QVERIFY(fs::exists(rig.folder() / "pic" / "old.bmp"));
    QVERIFY(!fs::exists(rig.folder() / "pic" / "wide.bmp"));
}

void ImagePanesTest::pictureSizeShownAndKept() {
    PaneRig<CPictureProperty> rig;
    PictureRecord r;
    r.setPictureName("pic\\logo.bmp");
    rig.load(r, 3);
    rig.pane.setPictureSize(48, 32);
    rig.pane.setPosition(64, 8);
    QCOMPARE(rig.pane.widthText(), QString("48"));
    QCOMPARE(rig.pane.heightText(), QString("32"));
    QVERIFY(rig.pane.apply());
    const PictureRecord p = rig.working<PictureRecord>();
    QCOMPARE(int(p.width()), 48);
    QCOMPARE(int(p.height()), 32);
    QCOMPARE(int(p.x()), 64);
    QCOMPARE(int(p.y()), 8);
    QCOMPARE(p.pictureName(), std::string("pic\\logo.bmp"));
    QCOMPARE(rig.pane.widgetId(), 3);
}

QTEST_MAIN(ImagePanesTest)
#include "ImagePanesTest.moc"
