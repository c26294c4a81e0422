// Guards against the JSON form losing or changing anything of a project: a field left out or
// written at the wrong offset, GB2312 texts or non-text bytes altered on the way through UTF-8,
// bitmaps cut at row boundaries, reserved bytes dropped, widget ids renumbered, and field
// tables that drift from the stored record sizes or name one bit twice.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/json/ProjectJson.h"
#include "cli/json/RecordLayouts.h"
#include "model/DisplayAttributes.h"
#include "model/PictureFiles.h"
#include "model/ProjectStream.h"
#include "model/WidgetRecords.h"

using namespace zorv;

namespace {

CHCData imported(const std::string& text) {
    CHCData p;
    std::string error;
    EXPECT_TRUE(json::importProjectJson(text, p, error)) << error;
    return p;
}

template <class R> R& edit(CPage& page, std::string_view kind, R& r) {
    r = page.addWidget(kind)->get<R>();
    return r;
}

std::vector<uint8_t> pattern(std::size_t n, uint8_t seed) {
    std::vector<uint8_t> v(n);
    for (std::size_t i = 0; i < n; ++i)
        v[i] = uint8_t(seed + i * 37);
    return v;
}

// A project that uses every kind with values away from the defaults, odd texts and bytes
// where no field is named.
CHCData everyKindProject() {
    CHCData p;
    p.header.setStartPage(7);
    p.header.setFlags(0x5A);
    p.header.setRegisterAt(ProjectHeader::kLanguageRegOff, {3, uint8_t(RegisterType::M), 8499});
    p.header.setU8(9, 0x42);   // reserved
    p.header.setU8(112, 0x01); // reserved
    p.header.setU8(85, 0x20);  // section offsets of a compiled project
    p.alarmList.setEntryCount(3);
    p.alarmList.setText(1, 0, TextSlot::fromBytes("\xCE\xC2\xB6\xC8")); // 温度 in GB2312
    p.alarmList.setText(2, 1, TextSlot::fromBytes("&1B Hot"));
    p.alarmList.setU8(12, 0x77); // reserved

    CPage* page = p.addPage(3, PlaceMode::Insert);
    page->setDescription("\xD1\xB9\xC1\xA6 pressure"); // 压力
    page->flags = 0x10;
    page->head.setU8(7, 0x99); // reserved
    page->head.setDisplayLevel(2);

    StaticTextRecord st;
    edit(*page, "StaticText", st);
    st.setAttributes(attr::kBorder | attr::kDoubleSize);
    st.setText(0, TextSlot::fromBytes("\xFF\x1B\x80 lib")); // library bytes, a lone lead byte
    st.setText(1, TextSlot::fromBytes("\xB1"));             // the first byte of 报 alone
    st.setU8(8, 0x05);                                      // reserved
    page->widgets.back().set(st);

    LedRecord led;
    edit(*page, "Led", led);
    led.setRegister({2, uint8_t(RegisterType::X), 0377});
    led.setDisplayType(LedRecord::Custom);
    led.setU16(LedRecord::kDisplayTypeOff, uint16_t(led.u16(LedRecord::kDisplayTypeOff) | 0x0100));
    led.setSymbolText(std::vector<uint8_t>{0xFF, 0x00});
    led.setPictureSize(0, 20, 3);
    led.setBitmap(0, pattern(22, 1)); // not a whole number of 4-byte rows
    led.setPictureName(0, "pic\\on.bmp");
    led.setPictureSize(1, 8, 2);
    led.setBitmap(1, pattern(8, 9));
    led.setPictureName(1, "pic\\\xB5\xC6.bmp"); // 灯
    page->widgets.back().set(led);

    RegisterRecord reg;
    edit(*page, "Register", reg);
    reg.setRegister({1, uint8_t(RegisterType::D), 9000}); // beyond the dialogs' range
    reg.setRelation(true);
    reg.setU8(RegisterRecord::kRelationOff, 5); // neither 0 nor 1
    reg.setDigits(7, 3);
    reg.setOptions(RegisterRecord::kSettable | RegisterRecord::kUpperFromRegister);
    reg.setBoundRegister(RegisterRecord::kUpperOff, {4, uint8_t(RegisterType::M), 12, 2});
    reg.setU8(RegisterRecord::kUpperOff + 6, 0xEE); // reserved inside a register bound
    reg.setBoundConstants(RegisterRecord::kLowerOff, {-1, int32_t(0x80000000)});
    reg.setRelatedAddress(0x1234);
    page->widgets.back().set(reg);

    DynamicTextRecord dt;
    edit(*page, "DynamicText", dt);
    dt.setCount(2);
    ChoiceEntry s1{
        true, {TextSlot::fromBytes("\xD4\xCB\xD0\xD0"), TextSlot::fromBytes("Run")}, 65535};
    dt.setEntry(1, s1);
    dt.recomputeWidths();
    page->widgets.back().set(dt);

    BarRecord bar;
    edit(*page, "Bar", bar);
    bar.setRegisterCount(2);
    bar.setFullScale(4294967295LL);
    bar.setDirection(7); // no name for it
    page->widgets.back().set(bar);

    TrendRecord trend;
    edit(*page, "Trend", trend);
    trend.setNumberFlags(numflags::kSigned);
    trend.setFullScale(INT32_MIN);
    trend.setU8(26, 0x3C); // reserved
    page->widgets.back().set(trend);

    MenuRecord menu;
    edit(*page, "Menu", menu);
    menu.setRegisterLength(2);
    menu.setCount(3);
    menu.setEntry(1, {true, {TextSlot::fromBytes("Two"), TextSlot{}}, -7});
    menu.setEntry(2, {true, {TextSlot{}, TextSlot::fromBytes("&41&42")}, INT32_MAX});
    menu.recomputeWidths();
    page->widgets.back().set(menu);

    PasswordRecord pw;
    edit(*page, "Password", pw);
    pw.setLevel(3, 0xA);
    pw.setMode(PasswordRecord::Update);
    page->widgets.back().set(pw);

    KeyRecord key;
    edit(*page, "Key", key);
    key.setKeyCode(10);
    key.setActionByte(uint8_t(KeyRecord::SetRegister | KeyRecord::kSigned | 0x04)); // bit 2 unnamed
    key.setValue(uint16_t(-300));
    key.setHand(true);
    key.setSymbolText(std::vector<uint8_t>{0xFF, KeyRecord::kHandGlyph, 0xFF, 22});
    page->widgets.back().set(key);

    PictureRecord pic;
    edit(*page, "Picture", pic);
    pic.setSize(32, 16);
    pic.setBitmap(pattern(64, 3));
    pic.setPictureName("pic\\logo.bmp");
    page->widgets.back().set(pic);

    AlarmListRecord alarm;
    edit(*page, "Alarm", alarm);
    alarm.setEntryCount(2);
    alarm.setText(1, 0, TextSlot::fromBytes(std::string(24, 'A')));
    page->widgets.back().set(alarm);

    // Ids with gaps, as left behind by removed widgets.
    page->addWidget("StaticText");
    page->addWidget("Bar");
    page->removeWidget(12);

    CPage* second = p.addPage(9, PlaceMode::Insert);
    second->setDescription("empty");
    // A page of its own for a menu on three words.
    auto twin = std::make_unique<CPage>(10);
    MenuRecord wide = MenuRecord::makeDefault();
    wide.setRegisterLength(3);
    wide.setEntry(0, {true, {TextSlot::fromBytes("Wide"), TextSlot{}}, -2});
    twin->widgets.push_back(WidgetNode::of(1, wide));
    twin->nextWidgetId = 2;
    p.appendPage(std::move(twin));
    return p;
}

TEST(ProjectJsonRoundTrip, EveryKindGivesTheSameStreamAndRecords) {
    const CHCData original = everyKindProject();
    const std::string text = json::exportProjectJson(original);
    const CHCData back = imported(text);
    EXPECT_EQ(projectStream(back), projectStream(original));
    EXPECT_EQ(json::exportProjectJson(back), text);

    ASSERT_EQ(back.pageCount(), 3);
    const CPage& page = *back.page(0);
    EXPECT_EQ(page.nextWidgetId, original.page(0)->nextWidgetId);
    ASSERT_EQ(page.widgetCount(), original.page(0)->widgetCount());
    for (int i = 0; i < page.widgetCount(); ++i) {
        const WidgetNode& want = original.page(0)->widgets[i];
        EXPECT_EQ(page.widgets[i].id, want.id);
        // Working values are not part of the project file and come back as new widgets have
        // them; everything else is the same record.
        EXPECT_EQ(page.widgets[i].record, want.record)
            << "widget " << i << " " << typeName(want.kind);
    }
    EXPECT_EQ(back.header, original.header);
    EXPECT_EQ(back.alarmList, original.alarmList);
}

TEST(ProjectJsonRoundTrip, TextsAreUtf8WhenTheyAreGb2312AndBytesOtherwise) {
    const std::string text = json::exportProjectJson(everyKindProject());
    EXPECT_NE(text.find("\"text1\": \"温度\""), std::string::npos);
    EXPECT_NE(text.find("\"description\": \"压力 pressure\""), std::string::npos);
    EXPECT_NE(text.find("\"text2\": \"&1B Hot\""), std::string::npos);
    EXPECT_NE(text.find("\"bytes\": \"FF1B80206C6962\""), std::string::npos);
    EXPECT_NE(text.find("\"bytes\": \"B1\""), std::string::npos) << "a lone lead byte is no text";
}

TEST(ProjectJsonRoundTrip, BitmapRowsFollowThePictureWidth) {
    const std::string text = json::exportProjectJson(everyKindProject());
    // Width 20 gives 4-byte rows; 22 bytes leave a short last row.
    const auto bytes = pattern(22, 1);
    auto hex = [](std::span<const uint8_t> b) {
        std::string s;
        char d[3];
        for (uint8_t c : b) {
            std::snprintf(d, sizeof d, "%02X", c);
            s += d;
        }
        return s;
    };
    EXPECT_NE(text.find("\"" + hex(std::span(bytes).subspan(0, 4)) + "\""), std::string::npos);
    EXPECT_NE(text.find("\"" + hex(std::span(bytes).subspan(20, 2)) + "\""), std::string::npos);
}

// Spot checks that each field reads its own bytes: a wrong offset, width, bit or byte order
// would still round-trip, but under the wrong name.
TEST(ProjectJsonRoundTrip, FieldsAreNamedAtTheirOffsets) {
    const auto doc = json::Json::parse(json::exportProjectJson(everyKindProject()));
    const std::pair<const char*, json::Json> expected[] = {
        {"/header/startPage", 7},
        {"/header/languageStation", 3},
        {"/header/languageRegister", "M8499"},
        {"/header/autoTransPage", false},
        {"/header/reportCurrentPage", true},
        {"/header/reserved/9", "42"},
        {"/header/reserved/112", "01"},
        {"/alarmList/entries/2/text2", "&1B Hot"},
        {"/alarmList/reserved/12", "77"},
        {"/pages/0/displayLevel", 2},
        {"/pages/0/reserved/7", "99"},
        {"/pages/0/widgets/0/border", true},
        {"/pages/0/widgets/0/doubleSize", true},
        {"/pages/0/widgets/0/inverted", false},
        {"/pages/0/widgets/0/reserved/8", "05"},
        {"/pages/0/widgets/1/register", "X377"},
        {"/pages/0/widgets/1/station", 2},
        {"/pages/0/widgets/1/displayType", "custom"},
        {"/pages/0/widgets/1/reserved/11", "01"},
        {"/pages/0/widgets/1/positiveWidth", 20},
        {"/pages/0/widgets/1/negativeHeight", 2},
        {"/pages/0/widgets/1/negativePictureName", "pic\\灯.bmp"},
        {"/pages/0/widgets/2/register", {{"type", 7}, {"address", 9000}}},
        {"/pages/0/widgets/2/relation", 5},
        {"/pages/0/widgets/2/digits", 7},
        {"/pages/0/widgets/2/decimals", 3},
        {"/pages/0/widgets/2/relatedAddress", 0x1234},
        {"/pages/0/widgets/2/upperBound", {{"station", 4}, {"register", "M12"}, {"count", 2}}},
        {"/pages/0/widgets/2/lowerBound/input", 4294967295u},
        {"/pages/0/widgets/2/lowerBound/engineering", 2147483648u},
        {"/pages/0/widgets/2/reserved/22", "EE"},
        {"/pages/0/widgets/3/states/1/value", 65535},
        {"/pages/0/widgets/3/states/1/text1", "运行"},
        {"/pages/0/widgets/4/fullScale", 4294967295u},
        {"/pages/0/widgets/4/direction", 7},
        {"/pages/0/widgets/5/fullScale", INT32_MIN},
        {"/pages/0/widgets/5/dotPitch", 2},
        {"/pages/0/widgets/5/reserved/26", "3C"},
        {"/pages/0/widgets/6/items/1/value", -7},
        {"/pages/0/widgets/6/items/2/value", INT32_MAX},
        {"/pages/0/widgets/7/level", 3},
        {"/pages/0/widgets/7/levelFlag", 10},
        {"/pages/0/widgets/7/mode", "update"},
        {"/pages/0/widgets/8/keyCode", "F1"},
        {"/pages/0/widgets/8/action", "setRegister"},
        {"/pages/0/widgets/8/signed", true},
        {"/pages/0/widgets/8/value", -300},
        {"/pages/0/widgets/8/hand", true},
        {"/pages/0/widgets/8/symbolText", "FF1AFF16"},
        {"/pages/0/widgets/8/reserved/7", "04"},
        {"/pages/0/widgets/10/entries/1/text1", std::string(24, 'A')},
        {"/pages/0/widgets/11/id", 13},
        {"/pages/0/nextWidgetId", 14},
    };
    for (const auto& [pointer, value] : expected) {
        const json::Json::json_pointer at(pointer);
        ASSERT_TRUE(doc.contains(at)) << pointer;
        EXPECT_EQ(doc.at(at), value) << pointer;
    }
}

TEST(ProjectJsonRoundTrip, EmptyObjectIsANewProject) {
    EXPECT_EQ(projectStream(imported("{}")), projectStream(CHCData()));
    EXPECT_EQ(projectStream(imported(json::exportProjectJson(CHCData()))),
              projectStream(CHCData()));
}

CHCData demoProject() {
    std::ifstream file(ZORV_SOURCE_DIR "/data/demo.json");
    EXPECT_TRUE(file);
    std::stringstream text;
    text << file.rdbuf();
    return imported(text.str());
}

TEST(ProjectJsonRoundTrip, DemoProjectImportsAndRoundTrips) {
    const CHCData demo = demoProject();
    EXPECT_GE(demo.pageCount(), 5);
    bool seen[kWidgetKindCount + 1] = {};
    for (const auto& page : demo.pages())
        for (const WidgetNode& node : page->widgets)
            seen[int(node.kind)] = true;
    for (int kind = 1; kind <= kWidgetKindCount; ++kind)
        EXPECT_TRUE(seen[kind]) << typeName(WidgetKind(kind)) << " missing from the demo";
    EXPECT_EQ(projectStream(imported(json::exportProjectJson(demo))), projectStream(demo));
}

// The demo's pictures ship in the program folder's "pic", where the demo project lies: a record
// whose bitmap or size differs from its file (redrawn without updating the JSON form), or that
// names a file that is not there, shows the user something else than the panel gets.
TEST(ProjectJsonRoundTrip, DemoPicturesAreTheFilesShippedBesideIt) {
    const std::filesystem::path folder = ZORV_SOURCE_DIR "/data/program";
    auto expectFile = [&](const std::string& name, int width, int height,
                          std::span<const uint8_t> bitmap) {
        ASSERT_FALSE(name.empty());
        const auto file = loadMonochromeBitmap(picturePath(folder, name));
        ASSERT_TRUE(file) << name << " is no picture beside the demo";
        EXPECT_EQ(file->width, width) << name;
        EXPECT_EQ(file->height, height) << name;
        EXPECT_TRUE(std::ranges::equal(file->pixelData, bitmap)) << name;
    };
    int pictures = 0;
    const CHCData demo = demoProject();
    for (const auto& page : demo.pages())
        for (const WidgetNode& node : page->widgets) {
            if (node.kind == WidgetKind::Picture) {
                const auto r = node.get<PictureRecord>();
                expectFile(r.pictureName(), r.width(), r.height(), r.bitmap());
                ++pictures;
            } else if (node.kind == WidgetKind::Led &&
                       node.get<LedRecord>().displayType() == LedRecord::Custom) {
                const auto r = node.get<LedRecord>();
                for (int logic : {0, 1})
                    expectFile(r.pictureName(logic), r.pictureWidth(logic), r.pictureHeight(logic),
                               r.bitmap(logic));
                pictures += 2;
            }
        }
    EXPECT_GE(pictures, 3);
}

TEST(ProjectJsonLayouts, StoredSizesAreTheFixedPartsAndNoBitIsNamedTwice) {
    std::vector<const json::RecordLayout*> layouts = {
        &json::headerLayout(), &json::pageHeadLayout(), &json::alarmListLayout()};
    for (int kind = 1; kind <= kWidgetKindCount; ++kind) {
        const auto& layout = json::widgetLayout(WidgetKind(kind));
        EXPECT_EQ(layout.storedSize, fixedPartSize(WidgetKind(kind))) << kind;
        layouts.push_back(&layout);
    }
    for (const json::RecordLayout* layout : layouts) {
        std::vector<uint8_t> seen(layout->storedSize, 0);
        for (const json::Field& f : layout->fields) {
            const auto bits = json::namedBits({layout->storedSize, std::span(&f, 1)});
            for (std::size_t i = 0; i < bits.size(); ++i) {
                EXPECT_EQ(seen[i] & bits[i], 0) << "field " << f.name << " byte " << i;
                seen[i] |= bits[i];
            }
        }
    }
}

} // namespace
