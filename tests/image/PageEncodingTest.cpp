// Guards the image encoding of pages and widgets: wrong page-relative offsets of texts, values
// and bitmaps, sizes that disagree with the bytes written (count bytes that disagree with the
// used slots), the alarm-list count not written less one, position indices, trend sequence
// values and menu numbers that do not run as the panel counts them, the widget order of the
// panel, and pictures not complemented (or light images complemented).
#include <gtest/gtest.h>

#include "image/PageEncoder.h"
#include "image/WidgetEncoder.h"
#include "model/Bytes.h"
#include "model/WidgetRecords.h"

using namespace zorv;

namespace {

using Bytes = std::vector<uint8_t>;

Bytes encode(const WidgetNode& node, std::size_t offset, EncodeCounters& counters) {
    Bytes out;
    std::string message;
    EXPECT_TRUE(encodeWidget(node, offset, counters, CompilePlace{1, node.kind}, out, message))
        << message;
    return out;
}

Bytes encode(const WidgetNode& node, std::size_t offset) {
    EncodeCounters counters;
    return encode(node, offset, counters);
}

uint16_t u16(const Bytes& b, std::size_t at) {
    return le::u16(b.data() + at);
}

ChoiceEntry entry(const char* l1, const char* l2, int32_t value) {
    ChoiceEntry e;
    e.used = true;
    e.text[0] = TextSlot::fromBytes(l1);
    e.text[1] = TextSlot::fromBytes(l2);
    e.value = value;
    return e;
}

TEST(PageEncoding, StaticTextRecord) {
    StaticTextRecord r;
    r.setText(0, TextSlot::fromBytes("A"));
    r.setText(1, TextSlot::fromBytes("BC"));
    r.setX(8);
    r.setY(16);
    const Bytes expected{9, 0, 8, 0, 16, 0, 42, 0, 0, 0, 0, 0, 46, 0, 48, 0, 1, 'A', 2, 'B', 'C'};
    EXPECT_EQ(encode(WidgetNode::of(1, r), 30), expected);
}

TEST(PageEncoding, DynamicTextTablesFollowTheUsedLevels) {
    DynamicTextRecord r = DynamicTextRecord::makeDefault();
    r.setEntry(0, entry("X", "", 0x12345));
    r.setEntry(1, entry("YZ", "Q", 7));
    r.setCount(5); // disagrees with the two used levels: the flags decide
    r.setWidth(0, 2);
    r.setWidth(1, 1);
    const std::size_t o = 100;
    const Bytes b = encode(WidgetNode::of(1, r), o);
    ASSERT_EQ(b.size(), 22u + 6 * 2 + (2 + 3 + 1 + 2));
    EXPECT_EQ(b[11], 2);
    EXPECT_EQ(u16(b, 12), o + 20); // values
    EXPECT_EQ(u16(b, 16), o + 24); // attribute bytes
    EXPECT_EQ(u16(b, 14), o + 26); // string offsets
    EXPECT_EQ(u16(b, 20), 0x2345);
    EXPECT_EQ(u16(b, 22), 7);
    EXPECT_EQ(b[24], 2);
    EXPECT_EQ(b[25], 1);
    EXPECT_EQ(u16(b, 26), o + 34);
    EXPECT_EQ(u16(b, 28), o + 36);
    EXPECT_EQ(u16(b, 30), o + 39);
    EXPECT_EQ(u16(b, 32), o + 40);
    EXPECT_EQ(Bytes(b.begin() + 34, b.end()), (Bytes{1, 'X', 2, 'Y', 'Z', 0, 1, 'Q'}));
}

TEST(PageEncoding, MenuValuesTakeTheRegisterLength) {
    MenuRecord r = MenuRecord::makeDefault();
    r.setEntry(0, entry("A", "", 0x01020304));
    r.setEntry(1, entry("B", "", 5));
    r.setEntry(2, entry("C", "", 6));
    r.setCount(3);
    const std::size_t o = 40;
    Bytes b = encode(WidgetNode::of(1, r), o);
    // w = 1, c = 3: 6 value bytes, 12 offset bytes, then the texts.
    ASSERT_EQ(b.size(), 20u + 6 + 12 + (2 + 2 + 2 + 3));
    EXPECT_EQ(u16(b, 18), o + 20);
    EXPECT_EQ(u16(b, 16), o + 26);
    EXPECT_EQ(Bytes(b.begin() + 20, b.begin() + 26), (Bytes{4, 3, 5, 0, 6, 0}));
    EXPECT_EQ(u16(b, 26), o + 38);
    EXPECT_EQ(Bytes(b.begin() + 38, b.begin() + 44), (Bytes{1, 'A', 1, 'B', 1, 'C'}));

    r.setRegisterLength(2);
    b = encode(WidgetNode::of(1, r), o);
    ASSERT_EQ(b.size(), 20u + 12 + 12 + 9);
    EXPECT_EQ(u16(b, 16), o + 32);
    EXPECT_EQ(Bytes(b.begin() + 20, b.begin() + 24), (Bytes{4, 3, 2, 1}));
}

TEST(PageEncoding, MenuNumbersRunOverTheImageAndWrapAfter254) {
    const WidgetNode menu = WidgetNode::of(1, MenuRecord::makeDefault());
    EncodeCounters counters;
    EXPECT_EQ(encode(menu, 20, counters)[1], 0);
    counters.menus = 254;
    EXPECT_EQ(encode(menu, 20, counters)[1], 254);
    EXPECT_EQ(encode(menu, 20, counters)[1], 0); // the 256th menu
    EXPECT_EQ(encode(menu, 20, counters)[1], 1);
}

TEST(PageEncoding, AlarmListWritesItsCountLessOne) {
    AlarmListRecord r = AlarmListRecord::makeDefault();
    r.setEntryCount(3);
    r.setText(0, 0, TextSlot::fromBytes("ok"));
    r.setText(1, 0, TextSlot::fromBytes("a"));
    r.setText(2, 1, TextSlot::fromBytes("bc"));
    const std::size_t o = 22;
    const Bytes b = encode(WidgetNode::of(1, r), o);
    ASSERT_EQ(b.size(), 20u + 4 * 3 + (3 + 2 + 1) + (1 + 1 + 3));
    EXPECT_EQ(u16(b, 10), 2);
    EXPECT_EQ(u16(b, 14), o + 20);
    const std::size_t first = o + 32;
    const std::vector<std::size_t> offsets{first,     first + 3, first + 5,
                                           first + 6, first + 7, first + 8};
    for (std::size_t i = 0; i < offsets.size(); ++i)
        EXPECT_EQ(u16(b, 20 + 2 * i), offsets[i]) << i;
    EXPECT_EQ(b.back(), 'c');
}

TEST(PageEncoding, TrendSequenceAndPositionIndices) {
    CPage page(1);
    TrendRecord t = TrendRecord::makeDefault(); // dot pitch 2
    page.widgets.push_back(WidgetNode::of(1, RegisterRecord::makeDefault()));
    page.widgets.push_back(WidgetNode::of(2, t));
    t.setDotPitch(5);
    page.widgets.push_back(WidgetNode::of(3, t));
    page.widgets.push_back(WidgetNode::of(4, t));
    Bytes out;
    std::string message;
    EncodeCounters counters;
    ASSERT_TRUE(encodePage(page, 1, counters, out, message));
    const std::size_t first = 20 + 2 * 4;
    EXPECT_EQ(out[first + 1], 0); // register: position 0
    const uint8_t expectedSequence[] = {0, 3, 9};
    for (int i = 0; i < 3; ++i) {
        const std::size_t at = first + 36 + 36 * std::size_t(i);
        EXPECT_EQ(out[at + 1], i + 1);
        EXPECT_EQ(out[at + 10], expectedSequence[i]);
    }
    // The next page starts again at 0.
    out.clear();
    ASSERT_TRUE(encodePage(page, 2, counters, out, message));
    EXPECT_EQ(out[first + 36 + 10], 0);
}

TEST(PageEncoding, PageHeadAndWidgetOffsets) {
    CPage page(7);
    Bytes out;
    std::string message;
    EncodeCounters counters;
    ASSERT_TRUE(encodePage(page, 7, counters, out, message));
    ASSERT_EQ(out.size(), 20u);
    EXPECT_EQ(u16(out, 12), 20);
    EXPECT_EQ(out[14], 0);

    page.widgets.push_back(WidgetNode::of(1, BarRecord::makeDefault()));
    page.widgets.push_back(WidgetNode::of(2, PasswordRecord::makeDefault()));
    page.widgets.push_back(WidgetNode::of(3, StaticTextRecord::makeDefault()));
    out.clear();
    ASSERT_TRUE(encodePage(page, 7, counters, out, message));
    EXPECT_EQ(out[14], 3);
    EXPECT_EQ(u16(out, 20), 26);
    EXPECT_EQ(u16(out, 22), 26 + 28);
    EXPECT_EQ(u16(out, 24), 26 + 28 + 12);
    EXPECT_EQ(out.size(), 26u + 28 + 12 + 18 + 7);
}

TEST(PageEncoding, PasswordCarriesTheNumberOfLevels) {
    PasswordRecord r;
    r.setLevel(3, 9);
    EncodeCounters counters;
    counters.passwordLevels = 4;
    EXPECT_EQ(encode(WidgetNode::of(1, r), 20, counters)[1], 0x43);
}

TEST(PageEncoding, KeySymbolFollowsTheHead) {
    KeyRecord r = KeyRecord::makeDefault();
    const Bytes symbol{0xC0, 0x01, 0xC0, 0x02};
    r.setSymbolText(symbol);
    r.setHand(true);
    const Bytes b = encode(WidgetNode::of(1, r), 60);
    ASSERT_EQ(b.size(), 25u);
    EXPECT_EQ(u16(b, 8), 80);
    EXPECT_EQ(Bytes(b.begin() + 20, b.end()), (Bytes{4, 0xC0, 0x01, 0xC0, 0x02}));
}

TEST(PageEncoding, LightImagesAsConvertedPicturesComplemented) {
    LedRecord light = LedRecord::makeDefault();
    light.setSymbolText(Bytes{0xC0, 0x05});
    Bytes bitmap(16 * 4, 0);
    bitmap[15 * 4] = 0x80; // top-left pixel of a 16 x 16 picture (last file row)
    light.setPictureSize(0, 16, 16);
    light.setBitmap(0, bitmap);
    light.setPictureSize(1, 8, 16);
    light.setBitmap(1, bitmap);
    const Bytes b = encode(WidgetNode::of(1, light), 30);
    ASSERT_EQ(b.size(), 25u + 2 + 32 + 16);
    EXPECT_EQ(u16(b, 10), 54);
    EXPECT_EQ(u16(b, 12), 57);
    EXPECT_EQ(u16(b, 14), 57 + 32);
    EXPECT_EQ(Bytes(b.begin() + 24, b.begin() + 27), (Bytes{2, 0xC0, 0x05}));
    EXPECT_EQ(b[27], 0x01); // not complemented
    EXPECT_EQ(b[27 + 32], 0x01);

    PictureRecord picture;
    picture.setSize(16, 16);
    picture.setBitmap(bitmap);
    const Bytes p = encode(WidgetNode::of(2, picture), 200);
    ASSERT_EQ(p.size(), 16u + 32);
    EXPECT_EQ(le::u32(p.data() + 8), 216u);
    EXPECT_EQ(p[16], 0xFE); // complemented
    EXPECT_EQ(p[17], 0xFF);

    picture.setSize(200, 16);
    Bytes out;
    std::string message;
    EncodeCounters counters;
    EXPECT_FALSE(encodeWidget(WidgetNode::of(2, picture), 20, counters,
                              CompilePlace{4, WidgetKind::Picture, 0, 8}, out, message));
    EXPECT_EQ(message, "The picture of page 4 (Picture at 0,8) is larger than 192*64!");
}

TEST(PageEncoding, WidgetOrderOfThePanel) {
    const auto reg = [](int id, uint16_t x, uint16_t y) {
        RegisterRecord r = RegisterRecord::makeDefault();
        r.setX(x);
        r.setY(y);
        return WidgetNode::of(id, r);
    };
    std::vector<WidgetNode> widgets;
    widgets.push_back(WidgetNode::of(1, StaticTextRecord::makeDefault()));
    widgets.push_back(reg(2, 50, 16));
    widgets.push_back(WidgetNode::of(3, LedRecord::makeDefault()));
    widgets.push_back(reg(4, 100, 0));
    widgets.push_back(WidgetNode::of(5, StaticTextRecord::makeDefault()));
    widgets.push_back(reg(6, 0, 17));
    widgets.push_back(reg(7, 0, 16));
    widgets.push_back(WidgetNode::of(8, AlarmListRecord::makeDefault()));
    widgets.push_back(WidgetNode::of(9, BarRecord::makeDefault()));
    orderWidgetsForImage(widgets);
    std::vector<int> ids;
    for (const auto& w : widgets)
        ids.push_back(w.id);
    // Registers: line 0 first; in line 1 by x, equal keys in list order (6 and 7 share x = 0).
    EXPECT_EQ(ids, (std::vector<int>{3, 4, 6, 7, 2, 9, 1, 5, 8}));
}

} // namespace
