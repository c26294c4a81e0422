// Guards against: a page of keys loading the same image once per key, a picture replaced under
// its old name still shown from the cache, names written with backslashes or in another letter
// case (projects made on Windows) not finding their file, and an unloadable file cached or
// reported as a bitmap.
#include "ImageFolders.h"

#include <chrono>

using namespace zorv;

using WidgetBitmapsCache = ImageFolders;

TEST_F(WidgetBitmapsCache, EachFileLoadedOnce) {
    icon("Key_Esc1.bmp", 36, 27);
    const oonedraw::GBitmapPtr first = bitmaps.programBitmap("icon2\\Key_Esc1.bmp");
    for (int i = 0; i < 49; ++i)
        EXPECT_EQ(bitmaps.programBitmap("icon2\\Key_Esc1.bmp"), first);
    EXPECT_EQ(loaded.size(), 1u);
    EXPECT_EQ(first->width(), 36);
}

TEST_F(WidgetBitmapsCache, ReplacedFileLoadedAgain) {
    const auto path = project() / "pic" / "logo.bmp";
    writeImage(path, 20, 10);
    EXPECT_EQ(bitmaps.projectBitmap("pic\\logo.bmp")->width(), 20);
    writeImage(path, 30, 10); // same length: only the time tells
    std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) +
                                               std::chrono::seconds(2));
    EXPECT_EQ(bitmaps.projectBitmap("pic\\logo.bmp")->width(), 30);
    EXPECT_EQ(loaded.size(), 2u);
}

TEST_F(WidgetBitmapsCache, NamesResolvedAcrossSeparatorsAndCase) {
    writeImage(project() / "pic" / "Lamp.BMP", 8, 8);
    EXPECT_TRUE(bitmaps.projectBitmap("Pic\\lamp.bmp"));
    EXPECT_TRUE(bitmaps.projectBitmap("pic/Lamp.BMP"));
    EXPECT_EQ(WidgetBitmaps::resolve(project(), "PIC\\lamp.bmp"), project() / "pic" / "Lamp.BMP");
    EXPECT_EQ(WidgetBitmaps::resolve(project(), "pic\\none.bmp"), project() / "pic" / "none.bmp");
}

TEST_F(WidgetBitmapsCache, MissingOrUnreadableFiles) {
    icon("Broken.bmp", 0, 0); // the loader makes nothing of it
    EXPECT_EQ(bitmaps.programBitmap("icon2\\Broken.bmp"), WidgetBitmaps::placeholder());
    EXPECT_EQ(bitmaps.programBitmap("icon2\\Broken.bmp"), WidgetBitmaps::placeholder());
    EXPECT_EQ(loaded.size(), 2u);
    EXPECT_EQ(bitmaps.programBitmap("icon2"), WidgetBitmaps::placeholder()); // a folder
    EXPECT_FALSE(bitmaps.projectBitmap(""));
    EXPECT_FALSE(bitmaps.projectBitmap("pic\\none.bmp"));
    const oonedraw::GBitmapPtr box = WidgetBitmaps::placeholder();
    ASSERT_EQ(box->width(), 16);
    EXPECT_EQ(box->pixel(0, 7), 0x000000u);
    EXPECT_EQ(box->pixel(15, 15), 0x000000u);
    EXPECT_EQ(box->pixel(7, 7), 0xFFFFFFu);
}
