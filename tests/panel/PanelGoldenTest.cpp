// Guards what the panel shows: every widget kind of the demo and the display attributes, in both
// languages, against pictures checked in after they were looked at. A change in glyph placement,
// number formatting, inversion or scaling shows as a pixel difference.
// Set ZORV_UPDATE_GOLDEN=1 to write the pictures anew (then look at them before committing).

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "PanelTestImage.h"
#include "panel/PanelMachine.h"
#include "panel/PanelRenderer.h"

namespace zorv::panel {

namespace {

const std::string kGoldenDir = std::string(ZORV_SOURCE_DIR) + "/tests/panel/golden/";

void expectGolden(const PanelPicture& picture, const std::string& name) {
    const std::string path = kGoldenDir + name + ".pbm";
    if (std::getenv("ZORV_UPDATE_GOLDEN")) {
        std::ofstream(path, std::ios::binary) << picture.toPbm();
        return;
    }
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << path;
    std::stringstream golden;
    golden << in.rdbuf();
    EXPECT_EQ(picture.toPbm(), golden.str()) << "differs from " << path;
}

// Values that put every widget of the demo in a state worth seeing: a running mixer, lamps lit
// and unlit, a bar at 60 %, two alarms on.
void setDemoValues(PanelRegisters& r) {
    const uint8_t d = uint8_t(RegisterType::D), m = uint8_t(RegisterType::M);
    for (const auto& [address, value] :
         {std::pair{10, 1}, {12, 42}, {100, 235}, {110, 101}, {120, 1450}, {130, 600}, {101, 800}})
        r.setWord(d, uint16_t(address), uint16_t(value));
    r.setBit(uint8_t(RegisterType::Y), 1, true);
    r.setBit(m, 20, true);
    r.setBit(m, 100, true);
    r.setBit(m, 102, true);
}

// One page of display attributes and number formats the demo does not use.
const char* kAttributesProject =
    R"({"header": {"startPage": 1}, "pages": [{"number": 1, "widgets": [
  {"kind": "StaticText", "x": 0, "y": 0, "doubleSize": true, "text1": "Big", "text2": "大字"},
  {"kind": "StaticText", "x": 64, "y": 1, "border": true, "text1": "Box", "text2": "框"},
  {"kind": "StaticText", "x": 104, "y": 1, "virtual": true, "text1": "Dot", "text2": "虚"},
  {"kind": "StaticText", "x": 144, "y": 0, "flashing": true, "inverted": true, "text1": "Fl", "text2": "闪"},
  {"kind": "DynamicText", "x": 144, "y": 16, "register": "D9", "inverted": true,
   "states": [{"value": 1, "text1": "One", "text2": "一"}]},
  {"kind": "Register", "x": 0, "y": 32, "register": "D1", "digits": 4, "hexBcd": true},
  {"kind": "Register", "x": 40, "y": 32, "register": "D2", "digits": 5, "signed": true},
  {"kind": "Register", "x": 96, "y": 32, "register": "D3", "digits": 2, "inverted": true},
  {"kind": "Register", "x": 128, "y": 32, "register": "D4", "digits": 4, "decimals": 1,
   "engineering": true, "upperBound": {"input": 1000, "engineering": 100},
   "lowerBound": {"input": 0, "engineering": 0}},
  {"kind": "Register", "x": 64, "y": 16, "register": "D6", "registerCount": 2, "digits": 8},
  {"kind": "Bar", "x": 0, "y": 48, "register": "D5", "width": 72, "height": 16, "direction": "right",
   "fullScale": 100, "zeroScale": 0},
  {"kind": "Bar", "x": 80, "y": 48, "register": "D5", "width": 40, "height": 16, "direction": "left",
   "fullScale": 100, "zeroScale": 0},
  {"kind": "Key", "x": 128, "y": 48, "keyCode": "SET", "inverted": true, "action": "setRegister",
   "register": "D1", "value": 1}
]}]})";

void setAttributeValues(PanelRegisters& r) {
    const uint8_t d = uint8_t(RegisterType::D);
    r.setWord(d, 1, 0xBEEF);
    r.setValue({1, d, 2}, 1, -123);
    r.setWord(d, 3, 1234); // more than two digits
    r.setWord(d, 4, 505);  // 50.5 in engineering units
    r.setWord(d, 5, 25);
    r.setValue({1, d, 6}, 2, 12345678);
}

} // namespace

class DemoPages : public testing::TestWithParam<int> {};

TEST_P(DemoPages, MatchTheirPicturesInBothLanguages) {
    PanelImage image;
    std::string error;
    ASSERT_TRUE(image.load(test::demoImage(), error)) << error;
    const int index = GetParam();
    for (int language : {0, 1}) {
        PanelMachine machine(image);
        setDemoValues(machine.registers());
        machine.setLanguage(language);
        ASSERT_TRUE(machine.showPageIndex(index));
        PanelPicture picture;
        machine.render(picture);
        expectGolden(picture, "demo-page" + std::to_string(image.pageNumber(index)) + "-lang" +
                                  std::to_string(language + 1));
    }
}

INSTANTIATE_TEST_SUITE_P(Panel, DemoPages, testing::Range(0, 7));

TEST(PanelGolden, AttributesAndNumberFormatsInBothLanguages) {
    PanelImage image;
    std::string error;
    ASSERT_TRUE(image.load(test::compiledJson(kAttributesProject), error)) << error;
    PanelRegisters registers;
    setAttributeValues(registers);
    for (int language : {0, 1})
        expectGolden(renderPage(image, 0, language, registers),
                     "attributes-lang" + std::to_string(language + 1));
}

TEST(PanelGolden, SystemAlarmScreenListsTheAlarmsOn) {
    PanelImage image;
    std::string error;
    ASSERT_TRUE(image.load(test::demoImage(), error)) << error;
    PanelRegisters registers;
    registers.setBit(uint8_t(RegisterType::M), 101, true);
    registers.setBit(uint8_t(RegisterType::M), 104, true);
    PanelScreen screen;
    screen.page = kAlarmScreen;
    PanelPicture picture;
    renderScreen(image, screen, registers, picture);
    expectGolden(picture, "alarm-screen-lang1");
}

} // namespace zorv::panel
