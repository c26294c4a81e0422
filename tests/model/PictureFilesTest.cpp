// The picture rules: a bitmap larger than the display or with more than one bit per pixel is
// never taken (the picture would not fit the record or the panel), repeated imports of one file
// must not overwrite an earlier copy, and a file another widget still names must be known as in
// use so that deleting one widget cannot break its twin.
#include <gtest/gtest.h>

#include <fstream>

#include "model/Bytes.h"
#include "model/PictureFiles.h"
#include "tests/TestBitmaps.h"

namespace zorv {
namespace {

namespace fs = std::filesystem;
using zorv::test::bmpBytes;

struct BitmapCase {
    const char* name;
    int32_t width, height;
    uint16_t bits;
    bool taken;
};

class MonochromeCheck : public ::testing::TestWithParam<BitmapCase> {};

TEST_P(MonochromeCheck, TakesOnlyOneBitWithinTheDisplay) {
    const BitmapCase& c = GetParam();
    const auto bitmap = readMonochromeBitmap(bmpBytes(c.width, c.height, c.bits));
    ASSERT_EQ(bitmap.has_value(), c.taken);
    if (bitmap) {
        EXPECT_EQ(bitmap->width, c.width);
        EXPECT_EQ(bitmap->height, std::abs(c.height));
        EXPECT_EQ(bitmap->pixelData.size(),
                  std::size_t((c.width + 31) / 32 * 4 * std::abs(c.height)));
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, MonochromeCheck,
                         ::testing::Values(BitmapCase{"FullDisplay", 192, 64, 1, true},
                                           BitmapCase{"TopDown", 16, -16, 1, true},
                                           BitmapCase{"OneWider", 193, 64, 1, false},
                                           BitmapCase{"OneHigher", 192, 65, 1, false},
                                           BitmapCase{"FourBit", 16, 16, 4, false},
                                           BitmapCase{"TrueColour", 16, 16, 24, false},
                                           BitmapCase{"Empty", 0, 16, 1, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MonochromeCheck, RefusesShortPixelDataAndOtherFiles) {
    std::vector<uint8_t> bytes = bmpBytes(64, 64, 1);
    bytes.resize(bytes.size() - 1);
    EXPECT_FALSE(readMonochromeBitmap(bytes));
    bytes = bmpBytes(16, 16, 1);
    le::putU32(&bytes[10], 0xFFFFFFF0u); // pixel array far beyond the file
    EXPECT_FALSE(readMonochromeBitmap(bytes));
    EXPECT_FALSE(readMonochromeBitmap(std::vector<uint8_t>(10, 'B')));
}

class PictureFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        root =
            fs::temp_directory_path() /
            ("zorv-pictures-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        fs::create_directories(root / "source");
        source = root / "source" / "logo.bmp";
        const auto bytes = bmpBytes(16, 8, 1);
        std::ofstream(source, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    void TearDown() override { fs::remove_all(root); }
    fs::path root, source;
};

TEST_F(PictureFolderTest, ThreeImportsGiveThreeNames) {
    const fs::path project = root / "project";
    EXPECT_EQ(copyIntoPictureFolder(source, project), "pic\\logo.bmp");
    EXPECT_EQ(copyIntoPictureFolder(source, project), "pic\\logoa.bmp");
    EXPECT_EQ(copyIntoPictureFolder(source, project), "pic\\logoaa.bmp");
    for (const char* name : {"logo.bmp", "logoa.bmp", "logoaa.bmp"})
        EXPECT_TRUE(loadMonochromeBitmap(project / "pic" / name)) << name;
    EXPECT_EQ(picturePath(project, "pic\\logoa.bmp"), project / "pic" / "logoa.bmp");
}

TEST_F(PictureFolderTest, RecordsKeepSizeDataAndName) {
    const auto bitmap = loadMonochromeBitmap(source);
    ASSERT_TRUE(bitmap);
    PictureRecord picture = PictureRecord::makeDefault();
    fillPictureRecord(picture, *bitmap, "pic\\logo.bmp");
    EXPECT_EQ(picture.width(), 16);
    EXPECT_EQ(picture.height(), 8);
    EXPECT_EQ(picture.bitmapCount(), 32);
    EXPECT_EQ(picture.pictureName(), "pic\\logo.bmp");
    LedRecord light = LedRecord::makeDefault();
    fillLightPicture(light, 1, *bitmap, "pic\\logo.bmp");
    EXPECT_EQ(light.pictureWidth(1), 16);
    EXPECT_EQ(light.pictureName(1), "pic\\logo.bmp");
    EXPECT_EQ(light.pictureName(0), "");
}

TEST(PictureNameInUse, FindsTwinsButNotTheWidgetItself) {
    CHCData project;
    CPage* page1 = project.addPage(1, PlaceMode::Insert);
    CPage* page2 = project.addPage(2, PlaceMode::Insert);
    WidgetNode* a = page1->addWidget("Picture");
    PictureRecord r = a->get<PictureRecord>();
    r.setPictureName("pic\\logo.bmp");
    a->set(r);
    EXPECT_FALSE(pictureNameInUse(project, "pic\\logo.bmp", page1, a->id));
    // A copy on another page, written with another case and slash.
    WidgetNode* b = page2->addWidget("Picture");
    r.setPictureName("Pic/LOGO.bmp");
    b->set(r);
    EXPECT_TRUE(pictureNameInUse(project, "pic\\logo.bmp", page1, a->id));
    page2->removeWidget(b->id);
    WidgetNode* light = page2->addWidget("Led");
    LedRecord l = light->get<LedRecord>();
    l.setPictureName(1, "pic\\logo.bmp");
    light->set(l);
    EXPECT_TRUE(pictureNameInUse(project, "pic\\logo.bmp", page1, a->id));
    EXPECT_FALSE(pictureNameInUse(project, "", nullptr, 0));
}

} // namespace
} // namespace zorv
