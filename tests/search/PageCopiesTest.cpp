// Guards reused pages: a copy whose registers or jumps do not follow its station (a register of
// an unshifted family moved, a jump out of the set renumbered, a key's jump to the alarm list
// taken for a page), a refused copy that leaves pages behind, a template that loses a picture,
// overwrites a picture of the other project or leaves a jump pointing at the old numbers, and a
// damaged template read past its end instead of refused.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "../TestBitmaps.h"
#include "../TestFolder.h"
#include "cli/json/ProjectJson.h"
#include "model/FileOps.h"
#include "model/PictureFiles.h"
#include "search/PageCopies.h"
#include "tests/search/JsonProject.h"

using namespace zorv;
using test::formOf;
using test::projectOf;
namespace fs = std::filesystem;

namespace {

// Station 1 on pages 10 and 11: 10 jumps to 11 by a key, a menu and its Down key; 11 goes back
// to 10 and out to page 1; a key shows the alarm list.
constexpr const char* kStation = R"({"pages": [
 {"number": 1, "widgets": []},
 {"number": 10, "widgets": [
  {"kind": "Register", "x": 0, "y": 0, "register": "D100", "registerCount": 2},
  {"kind": "Led", "x": 40, "y": 0, "register": "M5"},
  {"kind": "Key", "x": 0, "y": 48, "action": "screenJump", "value": 11},
  {"kind": "Key", "x": 16, "y": 48, "action": "screenJump", "value": 65535},
  {"kind": "Menu", "x": 60, "y": 16, "mode": "pageJump",
   "items": [{"value": 11, "text1": "next"}, {"value": 1, "text1": "home"}]}]},
 {"number": 11, "widgets": [
  {"kind": "Key", "x": 0, "y": 48, "action": "setCoil", "register": "Y3", "value": 0},
  {"kind": "Password", "x": 0, "y": 0, "successPage": 10, "failurePage": 1}]}]})";

nlohmann::json pageForm(const CHCData& project, int number) {
    const nlohmann::json form = formOf(project);
    for (const auto& page : form["pages"])
        if (page["number"] == number)
            return page;
    return {};
}

constexpr uint8_t kD = uint8_t(RegisterType::D), kM = uint8_t(RegisterType::M);

TEST(PageCopiesTest, CopiesShiftTheirRegistersAndFollowTheJumpsInsideTheSet) {
    CHCData project = projectOf(kStation);
    const nlohmann::json first = pageForm(project, 10), second = pageForm(project, 11);
    std::vector<uint16_t> made;
    std::string message;
    ASSERT_TRUE(copyPageSet(project, {{10, 11}, 2, 10, {{kD, 10}, {kM, 16}}}, made, message))
        << message;
    EXPECT_EQ(made, (std::vector<uint16_t>{20, 21, 30, 31}));

    // Copy 2 of page 10: D +20, M +32, jumps into the set to 31, the rest as it was.
    nlohmann::json expected = first;
    expected["number"] = 30;
    expected["upPage"] = 9;
    expected["downPage"] = 31;
    expected["widgets"][0]["register"] = "D120";
    expected["widgets"][1]["register"] = "M37";
    expected["widgets"][2]["value"] = 31;
    expected["widgets"][4]["items"][0]["value"] = 31;
    EXPECT_EQ(pageForm(project, 30), expected);
    EXPECT_EQ(pageForm(project, 20)["widgets"][0]["register"], "D110");

    // Y is not shifted; the Up key of the set's last page points into the set.
    expected = second;
    expected["number"] = 21;
    expected["upPage"] = 20;
    expected["downPage"] = 12;
    expected["widgets"][1]["successPage"] = 20;
    EXPECT_EQ(pageForm(project, 21), expected);
    EXPECT_EQ(pageForm(project, 10), first); // the originals are kept
}

TEST(PageCopiesTest, RefusedCopiesLeaveTheProjectAsItWas) {
    const struct {
        PageCopyRequest request;
        const char* message;
    } cases[] = {
        {{{10, 11}, 1, -10, {}}, "Page 1 is taken."},
        {{{10}, 3, 30000, {}}, "Copy 3 of page 10 would be page 90010, outside 0 to 65535."},
        {{{10, 11}, 1, 100, {{kD, 8399}}}, "Copy 1: moving D100-D101 by 8399 leaves D0-D8499."},
        {{{12}, 1, 1, {}}, "Page 12 does not exist."},
    };
    for (const auto& c : cases) {
        CHCData project = projectOf(kStation);
        const nlohmann::json before = formOf(project);
        std::vector<uint16_t> made;
        std::string message;
        EXPECT_FALSE(copyPageSet(project, c.request, made, message));
        EXPECT_EQ(message, c.message);
        EXPECT_EQ(formOf(project), before);
    }
}

TEST(PageTemplateTest, PagesTravelWithTheirPicturesIntoAnotherProject) {
    const auto from = test::freshTestFolder("from"), to = test::freshTestFolder("to");
    CHCData source = projectOf(kStation);
    fs::create_directories(pictureFolder(from));
    test::writeBmp(pictureFolder(from) / "logo.bmp", 16, 8);
    WidgetNode* picture = source.pageByNumber(11)->addWidget("Picture");
    auto record = picture->get<PictureRecord>();
    record.setPictureName("pic\\logo.bmp");
    picture->set(record);

    PageTemplate taken, read;
    std::string message;
    ASSERT_TRUE(takePageTemplate(source, std::vector<uint16_t>{10, 11}, from, taken, message));
    std::vector<uint8_t> bytes;
    writePageTemplate(taken, bytes);
    ASSERT_TRUE(readPageTemplate(bytes, read, message)) << message;

    // The other project has a page 10 and a logo.bmp of its own.
    CHCData target = projectOf(R"({"pages": [{"number": 10, "widgets": []}]})");
    fs::create_directories(pictureFolder(to));
    test::writeBmp(pictureFolder(to) / "logo.bmp", 8, 8);
    const auto own = fileops::readFile(pictureFolder(to) / "logo.bmp");
    std::vector<uint16_t> placed;
    ASSERT_TRUE(insertPageTemplate(target, read, to, placed, message)) << message;
    EXPECT_EQ(placed, (std::vector<uint16_t>{12, 11}));

    EXPECT_EQ(pageForm(target, 12)["widgets"][2]["value"], 11);
    EXPECT_EQ(pageForm(target, 11)["widgets"][1]["successPage"], 12);
    EXPECT_EQ(pageForm(target, 11)["widgets"][2]["pictureName"], "pic\\logoa.bmp");
    EXPECT_EQ(fileops::readFile(pictureFolder(to) / "logoa.bmp"),
              fileops::readFile(pictureFolder(from) / "logo.bmp"));
    EXPECT_EQ(fileops::readFile(pictureFolder(to) / "logo.bmp"), own);
}

TEST(PageTemplateTest, DamagedTemplatesAreRefused) {
    PageTemplate taken, read;
    std::string message;
    CHCData source = projectOf(kStation);
    ASSERT_TRUE(takePageTemplate(source, std::vector<uint16_t>{10}, {}, taken, message));
    taken.pictures.push_back({"pic\\a.bmp", test::bmpBytes(8, 8)});
    std::vector<uint8_t> bytes;
    writePageTemplate(taken, bytes);

    for (std::size_t size = 0; size < bytes.size(); ++size)
        EXPECT_FALSE(readPageTemplate(std::span(bytes.data(), size), read, message)) << size;
    EXPECT_TRUE(read.pages.empty());

    auto patched = bytes;
    patched[13] = 0xFF; // the page's length
    EXPECT_FALSE(readPageTemplate(patched, read, message));
    EXPECT_EQ(message, "The page template is damaged: page 1 of the file runs past the end of "
                       "the file");
    patched = bytes;
    patched.push_back(0);
    EXPECT_FALSE(readPageTemplate(patched, read, message));
    EXPECT_EQ(message, "The page template is damaged: 1 bytes follow the last picture");
    patched = bytes;
    patched[patched.size() - test::bmpBytes(8, 8).size() - 5] = '\\'; // "pic\a.bm\"
    EXPECT_FALSE(readPageTemplate(patched, read, message));
    EXPECT_EQ(message, "The page template is damaged: picture 1 names no file");
}

} // namespace
