// Guards against: the wrong key or light image for a key code, attribute or logic, a hand drawn
// for an invisible key or the key drawn over the hand, key and light sizes not taken at 8/9 of
// the pixels times the scale, a custom light ignoring its negative picture or the picture data
// of its record, pictures not doubled, and a missing image leaving an object that cannot be
// picked.
#include "ImageFolders.h"
#include "RecordedCanvas.h"
#include "model/rules/KeyTable.h"
#include "model/widgets/RecordBitmap.h"
#include "model/widgets/WidgetBitmapNames.h"
#include "model/widgets/WidgetSync.h"

using namespace zorv;

namespace {

struct KeyCase {
    uint8_t code;
    uint8_t attributes;
    const char* image;
    int scale;
};

constexpr uint8_t kInv = KeyRecord::kInverted, kDbl = KeyRecord::kDoubleSize,
                  kHidden = KeyRecord::kInvisible;

KeyRecord keyRecord(uint8_t code, uint8_t attributes, bool hand = false) {
    KeyRecord r = KeyRecord::makeDefault();
    r.setKeyCode(code);
    r.setAttributes(attributes);
    r.setHand(hand);
    return r;
}

} // namespace

class KeyImages : public testing::TestWithParam<KeyCase> {};

TEST_P(KeyImages, NameAndScale) {
    const KeyCase& c = GetParam();
    const KeyRecord r = keyRecord(c.code, c.attributes);
    EXPECT_EQ(keyBitmapName(r), c.image);
    EXPECT_EQ(keyScale(r), c.scale);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyImages,
    testing::Values(
        KeyCase{11, kInv | kDbl, "icon2\\Key_F2b.bmp", 2},
        KeyCase{11, kHidden | kInv | kDbl, "icon2\\Key_F2c.bmp", 1},
        KeyCase{18, 0, "icon2\\Key_Esc1.bmp", 1}, KeyCase{18, kInv, "icon2\\Key_Esc2.bmp", 1},
        KeyCase{25, kHidden, "icon2\\Key_Enter3.bmp", 1}, KeyCase{0, kDbl, "icon2\\Key_0a.bmp", 2},
        KeyCase{9, kInv, "icon2\\Key_9b.bmp", 1}, KeyCase{13, 0, "icon2\\Key_F4a.bmp", 1},
        KeyCase{17, 0, "icon2\\Key_ZF1.bmp", 1}, KeyCase{28, kInv, "icon2\\Key_Stop2.bmp", 1},
        KeyCase{19, 0, "icon2\\Key_Esc1.bmp", 1}, KeyCase{31, kDbl, "icon2\\Key_Esc1.bmp", 2}));

TEST(KeyHand, FollowsInversionAndVisibility) {
    EXPECT_EQ(handBitmapName(keyRecord(18, 0, true)), "icon2\\Key_Hand1.bmp");
    EXPECT_EQ(handBitmapName(keyRecord(18, kInv, true)), "icon2\\Key_Hand2.bmp");
    EXPECT_TRUE(keyShowsHand(keyRecord(18, 0, true)));
    EXPECT_FALSE(keyShowsHand(keyRecord(18, kHidden, true)));
    EXPECT_FALSE(keyShowsHand(keyRecord(18, 0, false)));
}

TEST(LightImages, DisplayTypeAndLogic) {
    LedRecord r = LedRecord::makeDefault();
    EXPECT_EQ(ledBitmapName(r), "icon2\\Led_Round1.bmp");
    r.setFlags(LedRecord::kNegativeLogic);
    EXPECT_EQ(ledBitmapName(r), "icon2\\Led_Round2.bmp");
    r.setDisplayType(LedRecord::Square);
    EXPECT_EQ(ledBitmapName(r), "icon2\\Led_Quadrate2.bmp");
    r.setFlags(LedRecord::kDoubleSize);
    EXPECT_EQ(ledBitmapName(r), "icon2\\Led_Quadrate1.bmp");
}

using ImageWidgets = ImageFolders;

TEST_F(ImageWidgets, KeyDrawsHandFirstAndKeyBesideIt) {
    icon("Key_Hand1.bmp", 10, 9);
    icon("Key_Esc1.bmp", 10, 18);
    RecordedCanvas drawn;
    auto* key = drawn.add<CKey>();
    applyRecord(*key, keyRecord(18, 0, true), bitmaps);
    // Hand 8 units wide, key 8 x 16; the width reduces the 20 pixels of both at once.
    EXPECT_EQ(key->Width(), 17);
    EXPECT_EQ(key->Height(), 16);
    key->DrawShape();
    EXPECT_EQ(drawn.dc.calls, (std::vector<std::string>{"bitmap 10x9 290 55 298 63 #16777215",
                                                        "bitmap 10x18 298 55 306 71 #16777215"}));
}

TEST_F(ImageWidgets, DoubleKeyScalesHandAndKey) {
    icon("Key_Hand2.bmp", 10, 9);
    icon("Key_F1b.bmp", 10, 18);
    RecordedCanvas drawn;
    auto* key = drawn.add<CKey>();
    applyRecord(*key, keyRecord(10, kInv | kDbl, true), bitmaps);
    EXPECT_EQ(key->Width(), 34);
    EXPECT_EQ(key->Height(), 32);
    key->DrawShape();
    EXPECT_EQ(drawn.dc.calls, (std::vector<std::string>{"bitmap 10x9 290 55 306 71 #16777215",
                                                        "bitmap 10x18 306 55 322 87 #16777215"}));
}

TEST_F(ImageWidgets, InvisibleKeyHasNoHand) {
    icon("Key_Esc3.bmp", 36, 27);
    CKey key;
    applyRecord(key, keyRecord(18, kHidden | kDbl, true), bitmaps);
    EXPECT_FALSE(key.handShown);
    EXPECT_EQ(key.Width(), 32);
    EXPECT_EQ(key.Height(), 24);
}

TEST_F(ImageWidgets, LightAtEightNinthsOfItsPixels) {
    icon("Led_Quadrate1.bmp", 27, 19);
    LedRecord r = LedRecord::makeDefault();
    r.setDisplayType(LedRecord::Square);
    r.setX(3);
    r.setY(4);
    CLed led;
    applyRecord(led, r, bitmaps);
    EXPECT_EQ(led.points[0], (oonedraw::GPoint{296, 63}));
    EXPECT_EQ(led.Width(), 24);
    EXPECT_EQ(led.Height(), 16); // 19 * 8 / 9 = 16.9, toward zero
    r.setFlags(LedRecord::kDoubleSize);
    applyRecord(led, r, bitmaps);
    EXPECT_EQ(led.Width(), 48);
    EXPECT_EQ(led.Height(), 32);
}

TEST_F(ImageWidgets, CustomNegativeLightShowsNegativePicture) {
    writeImage(project() / "pic" / "on.bmp", 9, 9);
    writeImage(project() / "pic" / "off.bmp", 18, 27);
    LedRecord r = LedRecord::makeDefault();
    r.setDisplayType(LedRecord::Custom);
    r.setFlags(LedRecord::kCustomPictures | LedRecord::kNegativeLogic);
    r.setPictureName(0, "Pic\\on.bmp");
    r.setPictureName(1, "Pic\\off.bmp");
    CLed led;
    applyRecord(led, r, bitmaps);
    ASSERT_TRUE(led.bitmap);
    EXPECT_EQ(led.bitmap->width(), 18);
    EXPECT_EQ(led.bitmap->height(), 27);
    ASSERT_EQ(loaded.size(), 1u);
    EXPECT_EQ(loaded[0], project() / "pic" / "off.bmp");
}

TEST_F(ImageWidgets, CustomLightFallsBackToRecordPictureThenPlaceholder) {
    LedRecord r = LedRecord::makeDefault();
    r.setDisplayType(LedRecord::Custom);
    r.setPictureName(0, "Pic\\gone.bmp");
    r.setPictureSize(0, 8, 2);
    const uint8_t rows[] = {0xFF, 0, 0, 0, 0x0F, 0, 0, 0}; // bottom row first
    r.setBitmap(0, rows);
    CLed led;
    applyRecord(led, r, bitmaps);
    ASSERT_TRUE(led.bitmap);
    ASSERT_EQ(led.bitmap->width(), 8);
    ASSERT_EQ(led.bitmap->height(), 2);
    EXPECT_EQ(led.bitmap->pixel(0, 0), 0x000000u);
    EXPECT_EQ(led.bitmap->pixel(4, 0), 0xFFFFFFu);
    EXPECT_EQ(led.bitmap->pixel(0, 1), 0xFFFFFFu);

    r.setBitmap(0, {});
    applyRecord(led, r, bitmaps);
    EXPECT_EQ(led.bitmap, WidgetBitmaps::placeholder());
    EXPECT_EQ(led.Width(), 14);
    EXPECT_EQ(led.Height(), 14);
}

TEST_F(ImageWidgets, MissingProgramImageKeepsAPickableSize) {
    CKey key;
    applyRecord(key, keyRecord(12, 0, true), bitmaps);
    EXPECT_EQ(key.bitmap, WidgetBitmaps::placeholder());
    EXPECT_EQ(key.Width(), 28);
    EXPECT_EQ(key.Height(), 14);
}

TEST_F(ImageWidgets, PictureAtTwiceItsSize) {
    writeImage(project() / "pic" / "logo.bmp", 20, 10);
    icon("Led_Round1.bmp", 18, 18);
    PictureRecord r = PictureRecord::makeDefault();
    r.setPictureName("pic\\logo.bmp");
    CPicture picture;
    EXPECT_EQ(picture.name, "Picture");
    applyRecord(picture, r, bitmaps);
    EXPECT_EQ(picture.Width(), 40);
    EXPECT_EQ(picture.Height(), 20);
    // A picture never chosen shows the round light; a lost one the placeholder.
    applyRecord(picture, PictureRecord::makeDefault(), bitmaps);
    EXPECT_EQ(picture.Width(), 36);
    r.setPictureName("pic\\lost.bmp");
    applyRecord(picture, r, bitmaps);
    EXPECT_EQ(picture.bitmap, WidgetBitmaps::placeholder());
    EXPECT_EQ(picture.Width(), 32);
}

TEST(RecordBitmap, RefusesShortOrOversizeData) {
    const std::vector<uint8_t> data(16, 0xFF);
    EXPECT_TRUE(bitmapFromRecordData(33, 2, data)); // two rows of 8 bytes
    EXPECT_FALSE(bitmapFromRecordData(33, 3, data));
    EXPECT_FALSE(bitmapFromRecordData(193, 1, std::vector<uint8_t>(28, 0)));
    EXPECT_FALSE(bitmapFromRecordData(0, 1, data));
}

TEST(ImagesBesideProgram, EveryKeyAndLightFindsItsImage) {
    WidgetBitmaps real;
    real.setProgramFolder(ZORV_PROGRAM_DIR);
    const auto found = [&](const std::string& name) {
        return real.programBitmap(name) != WidgetBitmaps::placeholder();
    };
    for (int position = 0; position < rules::kKeyListSize; ++position) {
        for (uint8_t attributes : {0, int(kInv), int(kHidden)}) {
            const KeyRecord r = keyRecord(rules::keyCodeOfListPosition(position), attributes, true);
            EXPECT_TRUE(found(keyBitmapName(r))) << keyBitmapName(r);
            EXPECT_TRUE(found(handBitmapName(r))) << handBitmapName(r);
        }
    }
    LedRecord light = LedRecord::makeDefault();
    for (uint16_t type : {LedRecord::Round, LedRecord::Square}) {
        for (uint8_t flags : {0, int(LedRecord::kNegativeLogic)}) {
            light.setDisplayType(type);
            light.setFlags(flags);
            EXPECT_TRUE(found(ledBitmapName(light))) << ledBitmapName(light);
        }
    }
}
