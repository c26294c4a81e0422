// Guards against imports that accept what the project file cannot hold or report it vaguely:
// wrong types, numbers wrapped instead of refused, texts over their byte limit or outside
// GB2312, bad register names and octal addresses, reserved bytes over named fields, duplicate
// ids, pages out of order or sharing a number; and against a failed import changing the project.
#include <gtest/gtest.h>

#include "cli/json/ProjectJson.h"

using namespace zorv;

namespace {

struct BadCase {
    const char* json;
    const char* error;
};

std::string widgetDoc(const std::string& widget) {
    return R"({"pages": [{"number": 1, "widgets": [{"kind": "Key"}, )" + widget + "]}]}";
}

class ProjectJsonErrors : public testing::TestWithParam<BadCase> {};

TEST_P(ProjectJsonErrors, NameTheFieldAndLeaveTheProjectAsItWas) {
    CHCData project;
    project.addPage(42, PlaceMode::Insert);
    std::string error;
    EXPECT_FALSE(json::importProjectJson(GetParam().json, project, error));
    EXPECT_EQ(error, GetParam().error);
    ASSERT_EQ(project.pageCount(), 1);
    EXPECT_EQ(project.page(0)->number(), 42);
}

const std::string kTooLong =
    widgetDoc(R"({"kind": "StaticText", "text1": "abcdefghijklmnopqrstuvwxy"})");
const std::string kTooLongChinese =
    widgetDoc(R"({"kind": "StaticText", "text2": "温度温度温度温度温度温度温"})");
const std::string kByteOverflow = widgetDoc(R"({"kind": "Bar", "registerCount": 300})");
const std::string kNegative = widgetDoc(R"({"kind": "Bar", "width": -1})");
const std::string kNibble = widgetDoc(R"({"kind": "Register", "digits": 16})");
const std::string kWrongType = widgetDoc(R"({"kind": "Register", "settable": 1})");
const std::string kBadLetter = widgetDoc(R"({"kind": "Led", "register": "Q12"})");
const std::string kOctalRange = widgetDoc(R"({"kind": "Led", "register": "X400"})");
const std::string kOctalDigit = widgetDoc(R"({"kind": "Led", "register": "Y8"})");
const std::string kWordRange = widgetDoc(R"({"kind": "Bar", "register": "D8500"})");
const std::string kNotGb2312 = widgetDoc(R"({"kind": "StaticText", "text1": "€"})");
const std::string kBadHex = widgetDoc(R"({"kind": "StaticText", "text1": {"bytes": "F"}})");
const std::string kUnknownKind = widgetDoc(R"({"kind": "Button"})");
const std::string kUnknownField = widgetDoc(R"({"kind": "StaticText", "txt1": "a"})");
const std::string kUnknownChoice = widgetDoc(R"({"kind": "Bar", "direction": "north"})");
const std::string kOverlap = widgetDoc(R"({"kind": "StaticText", "reserved": {"0": "01"}})");
const std::string kOutside = widgetDoc(R"({"kind": "Password", "reserved": {"12": "01"}})");
const std::string kSymbol =
    widgetDoc(R"({"kind": "Key", "symbolText": "FF1AFF16FF1AFF16FF1AFF16"})");
const std::string kDuplicateId = widgetDoc(R"({"kind": "Key", "id": 1})");
const std::string kMenuItems = widgetDoc(
    R"({"kind": "Menu", "items": [{}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}]})");
const std::string kMenuValue = widgetDoc(R"({"kind": "Menu", "items": [{"value": 65536}]})");
const std::string kBitmap =
    widgetDoc(R"({"kind": "Picture", "bitmap": [")" + std::string(24578, 'F') + R"("]})");
const std::string kNameZero =
    widgetDoc(R"({"kind": "Picture", "pictureName": {"bytes": "410042"}})");

INSTANTIATE_TEST_SUITE_P(
    Fields, ProjectJsonErrors,
    testing::Values(
        BadCase{kTooLong.c_str(), "pages[0].widgets[1].text1: text longer than 24 bytes"},
        BadCase{kTooLongChinese.c_str(), "pages[0].widgets[1].text2: text longer than 24 bytes"},
        BadCase{kByteOverflow.c_str(),
                "pages[0].widgets[1].registerCount: value 300 out of range (0..255)"},
        BadCase{kNegative.c_str(), "pages[0].widgets[1].width: value -1 out of range (0..65535)"},
        BadCase{kNibble.c_str(), "pages[0].widgets[1].digits: value 16 out of range (0..15)"},
        BadCase{kWrongType.c_str(),
                "pages[0].widgets[1].settable: expected true or false, found an integer"},
        BadCase{kBadLetter.c_str(), "pages[0].widgets[1].register: bad register \"Q12\" (expected "
                                    "D, M, X or Y and an address)"},
        BadCase{kOctalRange.c_str(),
                "pages[0].widgets[1].register: register \"X400\" out of range (X0..X377)"},
        BadCase{kOctalDigit.c_str(), "pages[0].widgets[1].register: bad register \"Y8\" (X and Y "
                                     "addresses are octal)"},
        BadCase{kWordRange.c_str(),
                "pages[0].widgets[1].register: register \"D8500\" out of range (D0..D8499)"},
        BadCase{kNotGb2312.c_str(),
                "pages[0].widgets[1].text1: text holds a character that GB2312 has no code for"},
        BadCase{kBadHex.c_str(), "pages[0].widgets[1].text1.bytes: not hexadecimal bytes (two "
                                 "digits 0-9, A-F per byte)"},
        BadCase{kUnknownKind.c_str(), "pages[0].widgets[1].kind: unknown widget kind \"Button\""},
        BadCase{kUnknownField.c_str(), "pages[0].widgets[1].txt1: unknown field"},
        BadCase{kUnknownChoice.c_str(), "pages[0].widgets[1].direction: unknown value \"north\" "
                                        "(one of up, down, left, right, or a number)"},
        BadCase{kOverlap.c_str(), "pages[0].widgets[1].reserved.0: byte 0 overlaps a named field"},
        BadCase{kOutside.c_str(),
                "pages[0].widgets[1].reserved.12: byte 12 lies outside the 12 stored bytes"},
        BadCase{kSymbol.c_str(), "pages[0].widgets[1].symbolText: longer than 11 bytes"},
        BadCase{kDuplicateId.c_str(), "pages[0].widgets[1].id: widget id 1 used twice"},
        BadCase{kMenuItems.c_str(), "pages[0].widgets[1].items: more than 20 items"},
        BadCase{kMenuValue.c_str(),
                "pages[0].widgets[1].items[0].value: value 65536 out of range (0..65535)"},
        BadCase{kBitmap.c_str(), "pages[0].widgets[1].bitmap: bitmap larger than 12288 bytes"},
        BadCase{kNameZero.c_str(), "pages[0].widgets[1].pictureName: text holds a zero byte"},
        BadCase{R"({"header": {"startPage": 65536}})",
                "header.startPage: value 65536 out of range (0..65535)"},
        BadCase{R"({"header": {"alarmPage": "none"}})",
                "header.alarmPage: expected an integer (0..65535), found string"},
        BadCase{R"({"header": {"sectionOffsets": "00"}})",
                "header.sectionOffsets: expected 28 bytes, found 1"},
        BadCase{R"({"alarmList": {"entries": [{"text1": 5}]}})",
                "alarmList.entries[0].text1: expected a text (a string or {\"bytes\": hex}), found "
                "an integer"},
        BadCase{R"({"pages": [{"number": 3}, {"number": 2}]})",
                "pages[1].number: page 2 follows page 3 (numbers must be strictly ascending)"},
        // A repeated number, also after other pages and at the ends of the range.
        BadCase{R"({"pages": [{"number": 5}, {"number": 5}]})",
                "pages[1].number: page 5 follows page 5 (numbers must be strictly ascending)"},
        BadCase{R"({"pages": [{"number": 0}, {"number": 0}]})",
                "pages[1].number: page 0 follows page 0 (numbers must be strictly ascending)"},
        BadCase{R"({"pages": [{"number": 1}, {"number": 65535}, {"number": 65535}]})",
                "pages[2].number: page 65535 follows page 65535 (numbers must be strictly "
                "ascending)"},
        BadCase{R"({"pages": [{"number": 1, "widgets": [{"kind": "Menu", "registerLength": 0,
                "items": [{"value": 1}]}]}]})",
                "pages[0].widgets[0].items[0].value: value 1 out of range (0..0)"},
        BadCase{R"({"pages": [{"description": "x"}]})", "pages[0]: a page needs its \"number\""},
        BadCase{
            R"({"pages": [{"number": 1, "description": "0123456789012345678901234567890123456789"}]})",
            "pages[0].description: text longer than 39 bytes"},
        BadCase{R"({"pages": [{"number": 1, "nextWidgetId": 1, "widgets": [{"kind": "Bar"}]}]})",
                "pages[0].nextWidgetId: must be greater than every widget id (1)"},
        BadCase{R"({"format": "zorv-image"})",
                "format: not a zorv project (expected \"zorv-project\")"},
        BadCase{R"([1, 2])", "expected an object, found array"},
        BadCase{R"({"pages": {)",
                "JSON syntax error: parse error at line 1, column 12: syntax error while parsing "
                "object key - unexpected end of input; expected string literal"}));

TEST(ProjectJsonRanges, BoundaryValuesAreAccepted) {
    const std::string doc = widgetDoc(
        R"({"kind": "Bar", "registerCount": 255, "register": "M8499", "fullScale": 4294967295,
            "zeroScale": -2147483648}, {"kind": "Led", "register": "Y377"},
           {"kind": "Key", "value": -32768, "limit": 65535})");
    CHCData project;
    std::string error;
    EXPECT_TRUE(json::importProjectJson(doc, project, error)) << error;
}

} // namespace
