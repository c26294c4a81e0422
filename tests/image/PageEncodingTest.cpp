// Guards the image encoding of pages and widgets: wrong page-relative offsets of texts, values
// and bitmaps, sizes that disagree with the bytes written (a count byte that disagrees with the
// used slots), the alarm-list count not written less one, position indices, trend sequence
// values and menu numbers not counted as the panel counts them, the panel's widget order, and
// pictures not complemented (or light images complemented).
#include <gtest/gtest.h>

#include "image/PageEncoder.h"
#include "model/WidgetRecords.h"

using namespace zorv;

namespace {

using Bytes = std::vector<uint8_t>;

Bytes encode(const WidgetNode& node, std::size_t offset, EncodeCounters& counters) {
    Bytes out;
    std::string message;
    EXPECT_TRUE(encodeWidget(node, offset, counters, {1, node.kind}, out, message)) << message;
    return out;
}

Bytes encode(const WidgetNode& node, std::size_t offset) {
    EncodeCounters counters;
    return encode(node, offset, counters);
}

uint16_t u16(const Bytes& b, std::size_t at) {
    return le::u16(b.data() + at);
}
Bytes range(const Bytes& b, std::size_t from, std::size_t to) {
    return {b.begin() + from, b.begin() + to};
}

ChoiceEntry entry(const char* l1, const char* l2, int32_t value) {
    return ChoiceEntry{true, {TextSlot::fromBytes(l1), TextSlot::fromBytes(l2)}, value};
}

TEST(PageEncoding, StaticTextRecord) {
    StaticTextRecord r;
    r.setText(0, TextSlot::fromBytes("A"));
    r.setText(1, TextSlot::fromBytes("BC"));
    r.setY(16);
    EXPECT_EQ(encode(WidgetNode::of(1, r), 30),
              (Bytes{9, 0, 0, 0, 16, 0, 42, 0, 0, 0, 0, 0, 46, 0, 48, 0, 1, 'A', 2, 'B', 'C'}));
}

TEST(PageEncoding, DynamicTextTablesFollowTheUsedLevels) {
    DynamicTextRecord r = DynamicTextRecord::makeDefault();
    r.setEntry(0, entry("X", "", 0x12345));
    r.setEntry(1, entry("YZ", "Q", 7));
    r.setCount(5); // disagrees with the two used levels: the flags decide
    r.setWidth(0, 2);
    r.setWidth(1, 1);
    const Bytes b = encode(WidgetNode::of(1, r), 100);
    ASSERT_EQ(b.size(), 22u + 6 * 2 + 8);
    EXPECT_EQ(b[11], 2);
    EXPECT_EQ((Bytes{b[12], b[13], b[14], b[15], b[16], b[17]}), (Bytes{120, 0, 126, 0, 124, 0}));
    EXPECT_EQ(range(b, 20, 26), (Bytes{0x45, 0x23, 7, 0, 2, 1}));
    EXPECT_EQ(range(b, 26, 34), (Bytes{134, 0, 136, 0, 139, 0, 140, 0}));
    EXPECT_EQ(range(b, 34, b.size()), (Bytes{1, 'X', 2, 'Y', 'Z', 0, 1, 'Q'}));
}

TEST(PageEncoding, MenuValuesTakeTheRegisterLength) {
    MenuRecord r = MenuRecord::makeDefault();
    r.setEntry(0, entry("A", "", 0x01020304));
    r.setEntry(1, entry("B", "", 5));
    r.setEntry(2, entry("C", "", 6));
    r.setCount(3);
    Bytes b = encode(WidgetNode::of(1, r), 40); // w = 1, c = 3
    ASSERT_EQ(b.size(), 20u + 6 + 12 + 9);
    EXPECT_EQ(u16(b, 18), 60);
    EXPECT_EQ(u16(b, 16), 66);
    EXPECT_EQ(range(b, 20, 26), (Bytes{4, 3, 5, 0, 6, 0}));
    EXPECT_EQ(u16(b, 26), 78);
    EXPECT_EQ(range(b, 38, 44), (Bytes{1, 'A', 1, 'B', 1, 'C'}));
    r.setRegisterLength(2);
    b = encode(WidgetNode::of(1, r), 40);
    ASSERT_EQ(b.size(), 20u + 12 + 12 + 9);
    EXPECT_EQ(u16(b, 16), 72);
    EXPECT_EQ(range(b, 20, 24), (Bytes{4, 3, 2, 1}));
}

TEST(PageEncoding, MenuNumbersWrapAfter254) {
    const WidgetNode menu = WidgetNode::of(1, MenuRecord::makeDefault());
    EncodeCounters counters;
    counters.menus = 254;
    for (int expected : {254, 0, 1}) // the 255th, 256th and 257th menu
        EXPECT_EQ(encode(menu, 20, counters)[1], expected);
}

TEST(PageEncoding, AlarmListWritesItsCountLessOne) {
    AlarmListRecord r = AlarmListRecord::makeDefault();
    r.setEntryCount(3);
    r.setText(0, 0, TextSlot::fromBytes("ok"));
    r.setText(0, 1, TextSlot{}); // in place of the default "No Alarm"
    r.setText(2, 1, TextSlot::fromBytes("bc"));
    const Bytes b = encode(WidgetNode::of(1, r), 22);
    ASSERT_EQ(b.size(), 20u + 4 * 3 + 10);
    EXPECT_EQ(u16(b, 10), 2);
    EXPECT_EQ(u16(b, 14), 42);
    EXPECT_EQ(range(b, 20, 32), (Bytes{54, 0, 57, 0, 58, 0, 59, 0, 60, 0, 61, 0}));
    EXPECT_EQ(range(b, 32, b.size()), (Bytes{2, 'o', 'k', 0, 0, 0, 0, 2, 'b', 'c'}));
}

TEST(PageEncoding, PageHeadPositionsAndTrendSequence) {
    CPage page(1);
    TrendRecord t = TrendRecord::makeDefault(); // dot pitch 2
    page.widgets.push_back(WidgetNode::of(1, RegisterRecord::makeDefault()));
    page.widgets.push_back(WidgetNode::of(2, t));
    t.setDotPitch(5);
    page.widgets.push_back(WidgetNode::of(3, t));
    page.widgets.push_back(WidgetNode::of(4, t));
    EncodeCounters counters;
    std::string message;
    for (int pass = 0; pass < 2; ++pass) { // every page starts its counts again
        Bytes out;
        ASSERT_TRUE(encodePage(page, 1, counters, out, message));
        ASSERT_EQ(out.size(), 28u + 4 * 36);
        EXPECT_EQ(u16(out, 12), 20);
        EXPECT_EQ(out[14], 4);
        EXPECT_EQ(range(out, 20, 28), (Bytes{28, 0, 64, 0, 100, 0, 136, 0}));
        EXPECT_EQ(out[28 + 1], 0);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(out[64 + 36 * i + 1], i + 1);
            EXPECT_EQ(out[64 + 36 * i + 10], (Bytes{0, 3, 9}[i]));
        }
    }
}

TEST(PageEncoding, LightAndPictureBitmaps) {
    LedRecord light = LedRecord::makeDefault();
    light.setSymbolText(Bytes{0xC0, 0x05});
    Bytes bitmap(16 * 4, 0);
    bitmap[15 * 4] = 0x80; // the top-left pixel of a 16-row picture
    light.setPictureSize(0, 16, 16);
    light.setBitmap(0, bitmap);
    light.setPictureSize(1, 8, 16);
    light.setBitmap(1, bitmap);
    const Bytes b = encode(WidgetNode::of(1, light), 30);
    ASSERT_EQ(b.size(), 25u + 2 + 32 + 16);
    EXPECT_EQ(range(b, 10, 16), (Bytes{54, 0, 57, 0, 89, 0}));
    EXPECT_EQ(range(b, 24, 28), (Bytes{2, 0xC0, 0x05, 0x01})); // not complemented
    EXPECT_EQ(b[27 + 32], 0x01);

    PictureRecord picture;
    picture.setSize(16, 16);
    picture.setBitmap(bitmap);
    const Bytes p = encode(WidgetNode::of(2, picture), 200);
    ASSERT_EQ(p.size(), 16u + 32);
    EXPECT_EQ(le::u32(p.data() + 8), 216u);
    EXPECT_EQ(range(p, 16, 18), (Bytes{0xFE, 0xFF})); // complemented
}

TEST(PageEncoding, WidgetOrderOfThePanel) {
    std::vector<WidgetNode> widgets;
    const auto add = [&](auto record, uint16_t x = 0, uint16_t y = 0) {
        record.setX(x);
        record.setY(y);
        widgets.push_back(WidgetNode::of(int(widgets.size()) + 1, record));
    };
    add(StaticTextRecord{});
    add(RegisterRecord{}, 50, 16);
    add(LedRecord{});
    add(RegisterRecord{}, 100, 0);
    add(StaticTextRecord{});
    add(RegisterRecord{}, 0, 17);
    add(RegisterRecord{}, 0, 16);
    add(AlarmListRecord{});
    add(BarRecord{});
    orderWidgetsForImage(widgets);
    std::vector<int> ids;
    for (const auto& w : widgets)
        ids.push_back(w.id);
    // Registers by text line, then x; equal places (6 and 7) keep their list order.
    EXPECT_EQ(ids, (std::vector<int>{3, 4, 6, 7, 2, 9, 1, 5, 8}));
}

} // namespace
