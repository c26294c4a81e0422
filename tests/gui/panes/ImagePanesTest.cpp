// The light and picture panes as the user works them: a custom light without a picture refused, a
// light's X address in octal, the light image asked of the view at once, the replace questions
// answered both ways with the replaced file deleted or kept (a file another widget still names
// must stay, or that widget loses its image), refused bitmaps, and the picture pane's size.
#include <QtTest>

#include "ImagePaneKit.h"
#include "model/CHCData.h"
#include "model/rules/LedRules.h"
#include "panes/CLedProperty.h"
#include "panes/CPictureProperty.h"
#include "tests/gui/FieldKit.h"

using namespace zorv;
using namespace imagepanekit;
using test::namedField;
namespace fs = std::filesystem;

namespace {

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
    QLineEdit* address = namedField(rig.pane, "Address");
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
