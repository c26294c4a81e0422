// Guards the plain project stream: records that do not survive a save and open, a layout that
// drifts from the stored one (sizes, fillers, trailer), readers that trust counts and lengths
// from the file (reading or writing outside a record), ids that are not renumbered, discarded
// pages that come back, two pages of one number taken in, and a failed read that leaves a
// half-read project behind.
#include <gtest/gtest.h>

#include "model/ByteReader.h"
#include "model/ProjectCipher.h"
#include "model/ProjectStream.h"
#include "model/WidgetRecords.h"

using namespace zorv;

namespace {

// A project with a page of every kind, each record filled with values of its own.
CHCData projectOfEveryKind() {
    CHCData p;
    p.header.setStartPage(2);
    CPage* page = p.addPage(2, PlaceMode::Insert);
    page->setDescription("every kind");
    page->flags = 0x10;
    for (int kind = 1; kind <= kWidgetKindCount; ++kind)
        page->addWidget(typeName(WidgetKind(kind)));
    auto& w = page->widgets;

    auto led = w[0].get<LedRecord>();
    led.setX(10);
    led.setDisplayType(LedRecord::Custom);
    const uint8_t sym[2] = {0xFF, 0x1B};
    led.setSymbolText(sym);
    led.setPictureName(0, "Pic\\on.bmp");
    led.setPictureName(1, "Pic\\off.bmp");
    led.setBitmap(0, std::vector<uint8_t>(64, 0xAA));
    led.setBitmap(1, std::vector<uint8_t>(32, 0x55));
    led.setPictureSize(0, 16, 16);
    w[0].set(led);

    auto reg = w[1].get<RegisterRecord>();
    reg.setOptions(0xE5);
    reg.setBoundConstants(RegisterRecord::kUpperOff, {-5, 70000});
    reg.setRelatedAddress(0x1234);
    w[1].set(reg);

    auto dyn = w[2].get<DynamicTextRecord>();
    ChoiceEntry e;
    e.used = true;
    e.value = 65535;
    e.text[0] = TextSlot::fromBytes("\xCE\xC2\xB6\xC8&1B");
    e.text[1] = TextSlot::fromBytes("temperature high");
    dyn.setEntry(1, e);
    dyn.setCount(2);
    dyn.recomputeWidths();
    w[2].set(dyn);

    auto bar = w[3].get<BarRecord>();
    bar.setDirection(BarRecord::Left);
    bar.setZeroScale(-100);
    w[3].set(bar);

    auto trend = w[4].get<TrendRecord>();
    trend.setFullScale(4294967295LL);
    w[4].set(trend);

    auto menu = w[5].get<MenuRecord>();
    menu.setRegisterLength(2);
    ChoiceEntry item;
    item.used = true;
    item.value = int32_t(0x89ABCDEF);
    item.text[0] = TextSlot::fromBytes("second");
    item.text[1] = TextSlot::fromBytes("zweite");
    menu.setEntry(1, item);
    menu.setCount(2);
    menu.recomputeWidths();
    w[5].set(menu);

    auto pwd = w[6].get<PasswordRecord>();
    pwd.setLevel(3, 1);
    pwd.setSuccessPage(2);
    w[6].set(pwd);

    auto key = w[7].get<KeyRecord>();
    key.setHand(true);
    const uint8_t keySym[4] = {0xFF, 0x1A, 0xFF, 22};
    key.setSymbolText(keySym);
    w[7].set(key);

    auto text = w[8].get<StaticTextRecord>();
    text.setText(1, TextSlot::fromBytes("second language"));
    text.setAttributes(0x13);
    w[8].set(text);

    auto pic = w[9].get<PictureRecord>();
    pic.setSize(20, 20);
    pic.setPictureName("pic\\logo.bmp");
    pic.setBitmap(std::vector<uint8_t>(80, 0x0F));
    w[9].set(pic);

    auto alarm = w[10].get<AlarmListRecord>();
    alarm.setEntryCount(3);
    for (int i = 0; i < 3; ++i) {
        alarm.setText(i, 0, TextSlot::fromBytes("alarm " + std::to_string(i)));
        alarm.setText(i, 1, TextSlot::fromBytes("Alarm " + std::to_string(i)));
    }
    w[10].set(alarm);

    p.alarmList.setEntryCount(2);
    p.alarmList.setText(1, 0, TextSlot::fromBytes("Overheat"));
    return p;
}

// Builds streams by hand for the cases the writer never produces.
struct StreamBuilder {
    std::vector<uint8_t> bytes;
    ByteWriter w{bytes};

    StreamBuilder& header(uint16_t pages, std::vector<uint16_t> sizes = currentFixedPartSizes()) {
        ProjectHeader h = ProjectHeader::makeDefault();
        h.setPageCount(pages);
        w.bytes(h.bytes);
        w.u16(uint16_t(sizes.size()));
        for (auto s : sizes)
            w.u16(s);
        filler(25);
        return *this;
    }
    StreamBuilder& filler(int times) {
        for (int i = 0; i < times; ++i)
            w.u32(0xFF);
        return *this;
    }
    StreamBuilder& pageStart(int widgets, uint16_t number = 1, uint32_t flags = 0,
                             std::string description = "") {
        w.u32(flags);
        w.u32(uint32_t(description.size()));
        w.bytes(
            std::span(reinterpret_cast<const uint8_t*>(description.data()), description.size()));
        w.i32(widgets);
        w.i32(99);
        w.bytes(PageHead::makeDefault(number).bytes);
        return *this;
    }
    StreamBuilder& raw(std::initializer_list<uint8_t> b) {
        w.bytes(std::vector<uint8_t>(b));
        return *this;
    }
    StreamBuilder& staticText(int32_t id, const std::string& text = "T") {
        w.i32(id);
        w.i32(9);
        w.bytes(StaticTextRecord::makeDefault().span(0, 12));
        slot(text).slot("");
        return *this;
    }
    StreamBuilder& slot(const std::string& text) {
        w.u8(uint8_t(text.size()));
        w.bytes(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
        return *this;
    }
    StreamBuilder& end(std::initializer_list<uint8_t> trailer = {0xA5, 0x5A, 0xEF, 0xFE}) {
        w.bytes(AlarmListRecord::makeSystemDefault().span(0, 20));
        slot("No Alarm").slot("No Alarm");
        return raw(trailer);
    }
};

} // namespace

TEST(ProjectStream, NewProjectIs286Bytes) {
    CHCData p;
    const auto s = projectStream(p);
    ASSERT_EQ(s.size(), 286u);
    EXPECT_EQ(encipherProject(s).size(), 288u);
    // Sizes table, fillers and trailer at their places.
    EXPECT_EQ(s[120], 11);
    EXPECT_EQ(s[122], 24);
    EXPECT_EQ(s[124], 36);
    EXPECT_EQ(s[144], 0xFF);
    EXPECT_EQ(s[145], 0x00);
    EXPECT_EQ(s[244], 11); // the alarm list's kind byte follows the 100 filler bytes
    EXPECT_EQ(std::vector<uint8_t>(s.end() - 4, s.end()),
              (std::vector<uint8_t>{0xA5, 0x5A, 0xEF, 0xFE}));
}

TEST(ProjectStream, EveryKindRoundTrips) {
    const CHCData original = projectOfEveryKind();
    CHCData back;
    ASSERT_TRUE(readProjectStream(projectStream(original), back));
    ASSERT_EQ(back.pageCount(), 1);
    const CPage& a = *original.page(0);
    const CPage& b = *back.page(0);
    EXPECT_EQ(b.description(), "every kind");
    EXPECT_EQ(b.flags, 0x10u);
    EXPECT_EQ(b.head, a.head);
    ASSERT_EQ(b.widgetCount(), 11);
    for (int i = 0; i < 11; ++i) {
        SCOPED_TRACE(std::string(typeName(a.widgets[i].kind)));
        EXPECT_EQ(b.widgets[i].kind, a.widgets[i].kind);
        EXPECT_EQ(b.widgets[i].record, a.widgets[i].record);
    }
    EXPECT_EQ(back.alarmList, original.alarmList);
    EXPECT_EQ(back.header.startPage(), 2);
    EXPECT_EQ(back.header.pageCount(), 1);
    // Writing what was read gives the same stream.
    EXPECT_EQ(projectStream(back), projectStream(original));
}

TEST(ProjectStream, IdsAreRenumberedInListOrder) {
    const auto s = StreamBuilder()
                       .header(1)
                       .pageStart(3)
                       .staticText(5)
                       .staticText(9)
                       .staticText(12)
                       .filler(5)
                       .end()
                       .bytes;
    CHCData p;
    ASSERT_TRUE(readProjectStream(s, p));
    const CPage& page = *p.page(0);
    ASSERT_EQ(page.widgetCount(), 3);
    EXPECT_EQ(page.widgets[0].id, 1);
    EXPECT_EQ(page.widgets[2].id, 3);
    EXPECT_EQ(page.nextWidgetId, 4);
}

TEST(ProjectStream, OlderLightsCarryNoPictures) {
    auto sizes = currentFixedPartSizes();
    sizes[0] = 12;
    StreamBuilder b;
    b.header(1, sizes).pageStart(1);
    b.w.i32(1);
    b.w.i32(1);
    b.w.bytes(LedRecord::makeDefault().span(0, 12));
    b.raw({2, 0xFF, 0x1C}).filler(5).end();
    CHCData p;
    ASSERT_TRUE(readProjectStream(b.bytes, p));
    const auto led = p.page(0)->widgets[0].get<LedRecord>();
    EXPECT_EQ(led.symbolLength(), 2);
    EXPECT_EQ(led.u8(26), 0x1C);
    EXPECT_EQ(led.bitmapCount(0), 0);
}

TEST(ProjectStream, LongTextsAreReadAsOlderFilesWere) {
    // A description of 45 reads 40 bytes and keeps 39 characters.
    const std::string description(45, 'd');
    StreamBuilder b;
    b.header(1).pageStart(1, 1, 0, description);
    // The stream goes on after the 40 bytes read: five of the description's bytes are left,
    // which is what an older file of that shape gives. Drop them to keep this stream sound.
    b.bytes.erase(b.bytes.end() - 20 - 8 - 5, b.bytes.end() - 20 - 8);
    // A state text of length 30 keeps 24 bytes; all 30 are read, so the language-2 slot and
    // the page filler that follow are found where they are.
    b.w.i32(1);
    b.w.i32(3);
    b.w.bytes(DynamicTextRecord::makeDefault().span(0, 20));
    b.raw({1, 7, 0});
    b.w.u8(30);
    b.w.bytes(std::vector<uint8_t>(30, 'x'));
    b.slot("zz").filler(5).end();
    CHCData p;
    ASSERT_TRUE(readProjectStream(b.bytes, p));
    EXPECT_EQ(p.page(0)->description(), std::string(39, 'd'));
    const auto dyn = p.page(0)->widgets[0].get<DynamicTextRecord>();
    EXPECT_EQ(dyn.entry(0).text[0].length, 24);
    EXPECT_EQ(dyn.entry(0).value, 7);
    EXPECT_EQ(dyn.width(0), 24);
    EXPECT_EQ(dyn.entry(0).text[1].str(), "zz");
}

TEST(ProjectStream, DiscardedPagesAreDropped) {
    const auto s = StreamBuilder()
                       .header(3)
                       .pageStart(0, 1)
                       .filler(5)
                       .pageStart(0, 2, CPage::kDiscardedFlag)
                       .filler(5)
                       .pageStart(1, 3)
                       .staticText(1)
                       .filler(5)
                       .end()
                       .bytes;
    CHCData p;
    ASSERT_TRUE(readProjectStream(s, p));
    ASSERT_EQ(p.pageCount(), 2);
    EXPECT_EQ(p.page(1)->number(), 3);
    EXPECT_EQ(p.header.pageCount(), 2);
}

// Each stream is sound but for one count, length or mark.
TEST(ProjectStream, RefusesWhatDoesNotFitItsRecord) {
    struct Case {
        const char* what;
        std::vector<uint8_t> stream;
    };
    auto withSizes = [](std::vector<uint16_t> sizes) {
        return StreamBuilder().header(0, sizes).end().bytes;
    };
    auto oneWidget = [](int kind, std::function<void(StreamBuilder&)> data) {
        StreamBuilder b;
        b.header(1).pageStart(1);
        b.w.i32(1);
        b.w.i32(kind);
        data(b);
        return b.filler(5).end().bytes;
    };
    auto bigSizes = currentFixedPartSizes();
    bigSizes[1] = 37; // register
    const std::vector<Case> cases{
        {"size count 31", withSizes(std::vector<uint16_t>(31, 12))},
        {"trailer A5 5A EF FF", StreamBuilder().header(0).end({0xA5, 0x5A, 0xEF, 0xFF}).bytes},
        {"fixed part larger than the record",
         [&] {
             StreamBuilder b;
             b.header(1, bigSizes).pageStart(1);
             b.w.i32(1);
             b.w.i32(2);
             b.w.bytes(std::vector<uint8_t>(37, 0));
             return b.filler(5).end().bytes;
         }()},
        {"state fixed part reaching into the state table",
         [&] {
             auto sizes = currentFixedPartSizes();
             sizes[2] = DynamicTextRecord::kTableOff + 60;
             StreamBuilder b;
             b.header(1, sizes).pageStart(1);
             b.w.i32(1);
             b.w.i32(3);
             b.w.bytes(std::vector<uint8_t>(sizes[2], 1));
             b.w.u8(0);
             return b.filler(5).end().bytes;
         }()},
        {"key fixed part reaching into its symbol text",
         [&] {
             auto sizes = currentFixedPartSizes();
             sizes[7] = 21;
             StreamBuilder b;
             b.header(1, sizes).pageStart(1);
             b.w.i32(1);
             b.w.i32(8);
             b.w.bytes(std::vector<uint8_t>(21, 0));
             b.slot("");
             return b.filler(5).end().bytes;
         }()},
        {"33 states", oneWidget(3,
                                [](StreamBuilder& b) {
                                    b.w.bytes(std::vector<uint8_t>(20, 0));
                                    b.w.u8(33);
                                })},
        {"21 menu items", oneWidget(6,
                                    [](StreamBuilder& b) {
                                        b.w.bytes(MenuRecord::makeDefault().span(0, 20));
                                        b.w.u8(21);
                                    })},
        {"201 alarm entries", oneWidget(11,
                                        [](StreamBuilder& b) {
                                            auto r = AlarmListRecord::makeDefault();
                                            r.setEntryCount(201);
                                            b.w.bytes(r.span(0, 20));
                                        })},
        {"bitmap of 12289 bytes", oneWidget(10,
                                            [](StreamBuilder& b) {
                                                b.w.bytes(std::vector<uint8_t>(16, 0));
                                                b.w.u32(0);
                                                b.w.u32(12289);
                                                b.w.bytes(std::vector<uint8_t>(12289, 0));
                                            })},
        {"picture name of 128 bytes", oneWidget(10,
                                                [](StreamBuilder& b) {
                                                    b.w.bytes(std::vector<uint8_t>(16, 0));
                                                    b.w.u32(128);
                                                    b.w.bytes(std::vector<uint8_t>(128, 'a'));
                                                    b.w.u32(0);
                                                })},
        {"static text of 25 bytes", oneWidget(9,
                                              [](StreamBuilder& b) {
                                                  b.w.bytes(std::vector<uint8_t>(12, 0));
                                                  b.slot(std::string(25, 'x')).slot("");
                                              })},
        {"key symbol of 12 bytes", oneWidget(8,
                                             [](StreamBuilder& b) {
                                                 b.w.bytes(std::vector<uint8_t>(20, 0));
                                                 b.slot(std::string(12, 'x'));
                                             })},
        {"negative widget count", StreamBuilder().header(1).pageStart(-1).filler(5).end().bytes},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CHCData p;
        p.addPage(77, PlaceMode::Insert);
        EXPECT_FALSE(readProjectStream(c.stream, p));
        // A refused stream leaves the project as it was.
        ASSERT_EQ(p.pageCount(), 1);
        EXPECT_EQ(p.page(0)->number(), 77);
    }
}

TEST(ProjectStream, EveryTruncationIsRefused) {
    const auto s = projectStream(projectOfEveryKind());
    for (std::size_t n = 0; n < s.size(); n += (n < 400 ? 1 : 97)) {
        CHCData p;
        EXPECT_FALSE(readProjectStream(std::span(s).first(n), p)) << n;
    }
    CHCData p;
    auto longer = s;
    longer.push_back(0x42); // bytes after the trailer are ignored
    EXPECT_TRUE(readProjectStream(longer, p));
}

TEST(ProjectStream, TranslatedSignatureIsAccepted) {
    auto s = projectStream(CHCData());
    const uint8_t translated[7] = {0x06, 'Z', 'O', 'R', 'V', 0x08, 'v'};
    std::copy(translated, translated + 7, s.begin());
    CHCData p;
    EXPECT_TRUE(readProjectStream(s, p));
    s[0] = 0x13;
    EXPECT_FALSE(readProjectStream(s, p));
}

TEST(ProjectStream, PagesComeBackInNumberOrder) {
    const auto s =
        StreamBuilder().header(2).pageStart(0, 9).filler(5).pageStart(0, 4).filler(5).end().bytes;
    CHCData p;
    ASSERT_TRUE(readProjectStream(s, p));
    EXPECT_EQ(p.page(0)->number(), 4);
    EXPECT_EQ(p.page(1)->number(), 9);
}

// Two pages of one number would show twice in the tree with only the first editable: such a
// stream is refused, naming the number and both stored pages, and the project stays as it was.
// A discarded page does not count.
TEST(ProjectStream, PagesSharingANumberAreRefused) {
    auto stream = [](std::initializer_list<std::pair<uint16_t, uint32_t>> pages) {
        StreamBuilder b;
        b.header(int(pages.size()));
        for (const auto& [number, flags] : pages)
            b.pageStart(0, number, flags).filler(5);
        return b.end().bytes;
    };
    CHCData p;
    p.addPage(42, PlaceMode::Insert);
    StreamFault fault;
    EXPECT_FALSE(readProjectStream(stream({{5, 0}, {5, 0}}), p, &fault));
    EXPECT_EQ(fault.part, StreamFault::Part::PageNumber);
    EXPECT_EQ(fault.number, 5);
    EXPECT_EQ(fault.earlierPage, 1);
    EXPECT_EQ(fault.page, 2);
    ASSERT_EQ(p.pageCount(), 1);
    EXPECT_EQ(p.page(0)->number(), 42);

    // Apart in the file, and out of order: still found.
    EXPECT_FALSE(readProjectStream(stream({{7, 0}, {3, 0}, {9, 0}, {7, 0}}), p, &fault));
    EXPECT_EQ(fault.number, 7);
    EXPECT_EQ(fault.earlierPage, 1);
    EXPECT_EQ(fault.page, 4);
    EXPECT_FALSE(readProjectStream(stream({{0, 0}, {0, 0}}), p, &fault));
    EXPECT_FALSE(readProjectStream(stream({{65535, 0}, {1, 0}, {65535, 0}}), p, &fault));

    EXPECT_TRUE(readProjectStream(stream({{5, 0}, {5, CPage::kDiscardedFlag}, {6, 0}}), p));
    EXPECT_EQ(p.pageCount(), 2);
}

// The widgets alone (the clipboard's bytes) come back as they went, and bytes from outside that
// stop short, carry a count beyond the bytes, a kind of no widget or bytes after the last widget
// are refused with the target left as it was.
TEST(WidgetStream, RoundTripsAndRefusesUnsoundBytes) {
    const CHCData p = projectOfEveryKind();
    const auto& widgets = p.page(0)->widgets;
    std::vector<uint8_t> bytes;
    writeWidgetStream(widgets, bytes);
    std::vector<WidgetNode> read;
    ASSERT_TRUE(readWidgetStream(bytes, read));
    ASSERT_EQ(read.size(), widgets.size());
    for (std::size_t i = 0; i < read.size(); ++i) {
        EXPECT_EQ(read[i].kind, widgets[i].kind);
        EXPECT_EQ(read[i].record, widgets[i].record) << typeName(widgets[i].kind);
    }

    const std::vector<WidgetNode> untouched = read;
    for (std::size_t cut : {std::size_t(0), std::size_t(1), bytes.size() / 2, bytes.size() - 1})
        EXPECT_FALSE(readWidgetStream(std::span(bytes.data(), cut), read)) << cut;
    auto longer = bytes;
    longer.push_back(0);
    EXPECT_FALSE(readWidgetStream(longer, read));
    auto huge = bytes;
    const std::size_t countOff = 2 + 2 * currentFixedPartSizes().size();
    le::putU32(huge.data() + countOff, 0x7FFFFFFF);
    EXPECT_FALSE(readWidgetStream(huge, read));
    auto noKind = bytes;
    le::putU32(noKind.data() + countOff + 8, 99);
    EXPECT_FALSE(readWidgetStream(noKind, read));
    auto manySizes = bytes;
    le::putU16(manySizes.data(), 31);
    EXPECT_FALSE(readWidgetStream(manySizes, read));
    EXPECT_EQ(read.size(), untouched.size());
}
