#include "image/Translator.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <optional>
#include <string>
#include <system_error>

#include "model/ByteReader.h"
#include "model/WidgetRecords.h"

namespace zorv {

namespace {

constexpr uint8_t kSignature[6] = {0x08, 'q', 'S', 'p', 'a', 'n'};
constexpr std::size_t kHeaderSize = 145; // the first page record starts here
constexpr uint16_t kNewClassTag = 0xFFFF;
constexpr uint16_t kClassSchema = 1;
constexpr uint8_t kObjectsEnd = 1;
constexpr uint8_t kNextPageMark = 0x80;
constexpr int kLevels = 32;
constexpr std::size_t kBmpInfoSize = 40, kBmpPaletteSize = 8, kBmpPixelOffset = 62;

struct OlderClass {
    const char* name;
    uint16_t reference;
    WidgetKind kind;
};
constexpr OlderClass kClasses[] = {
    {"CLight", 0x8011, WidgetKind::Led},           {"CRegister", 0x8005, WidgetKind::Register},
    {"CDynamic", 0x8003, WidgetKind::DynamicText}, {"CBar", 0x8009, WidgetKind::Bar},
    {"CTide", 0x8007, WidgetKind::Trend},          {"CFunction", 0x800F, WidgetKind::Key},
    {"CChars", 0x800D, WidgetKind::StaticText},    {"CUpLoadPic", 0x800B, WidgetKind::Picture},
};

// Key codes by older key number.
constexpr uint8_t kOlderKeys[] = {18, 24, 21, 20, 22, 23, 25, 0,  1,  2,  3,  4, 5,
                                  6,  7,  8,  9,  17, 26, 27, 28, 10, 11, 12, 13};
// Symbol numbers of the keys: the position of the key code in this table.
constexpr uint8_t kKeyGlyphs[] = {0x12, 0x16, 0x17, 0x14, 0x15, 0x18, 0x19, 0x13, 0x00,
                                  0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09,
                                  0x11, 0x1A, 0x1B, 0x1C, 0x0A, 0x0B, 0x0C, 0x0D, 0x1F};

// The older file behind a bounds-checked cursor, with its string form (a length byte and that
// many bytes) and a look at the next byte.
class OlderStream {
public:
    explicit OlderStream(std::span<const uint8_t> data) : data_(data), in_(data) {}
    ByteReader& in() { return in_; }
    bool ok() const { return in_.ok(); }
    std::optional<uint8_t> peek() const {
        if (!in_.ok() || in_.atEnd())
            return std::nullopt;
        return data_[in_.position()];
    }
    std::optional<uint16_t> peekU16(std::size_t ahead) const {
        if (!in_.ok() || in_.remaining() < ahead + 2)
            return std::nullopt;
        return le::u16(data_.data() + in_.position() + ahead);
    }
    std::string text() {
        const uint8_t n = in_.u8();
        auto s = in_.take(n);
        return std::string(s.begin(), s.end());
    }

private:
    std::span<const uint8_t> data_;
    ByteReader in_;
};

// A level value text read with "%d" or "%X"; a text without a number gives 0.
int32_t levelValue(const std::string& text, bool hex) {
    int value = 0;
    if (std::sscanf(text.c_str(), hex ? "%X" : "%d", &value) != 1)
        return 0;
    return value;
}

RegisterRef registerField(ByteReader& in) {
    RegisterRef r;
    r.station = in.u8();
    r.type = in.u8();
    r.address = in.u16();
    return r;
}

uint16_t lessFour(int32_t size) {
    return uint16_t(std::clamp<int64_t>(int64_t(size) - 4, 0, 0xFFFF));
}

class PageTranslator {
public:
    PageTranslator(OlderStream& s, const std::filesystem::path& folder) : s_(s), folder_(folder) {}

    // The class of the next object's tag; nothing for an unknown tag or class.
    std::optional<WidgetKind> objectKind() {
        ByteReader& in = s_.in();
        const uint16_t tag = in.u16();
        if (tag == kNewClassTag) {
            const uint16_t schema = in.u16();
            const std::string name = [&] {
                auto n = in.u16();
                auto b = in.take(n);
                return std::string(b.begin(), b.end());
            }();
            if (!in.ok() || schema != kClassSchema)
                return std::nullopt;
            for (const auto& c : kClasses)
                if (name == c.name)
                    return c.kind;
            return std::nullopt;
        }
        for (const auto& c : kClasses)
            if (tag == c.reference)
                return c.kind;
        return std::nullopt;
    }

    // One object of the page as a widget with the next id; false on anything unsound.
    bool object(CPage& page, WidgetKind kind) {
        ByteReader& in = s_.in();
        const int32_t x = in.i32(), y = in.i32();
        WidgetNode node{page.nextWidgetId, kind, defaultRecord(kind)};
        bool ok = true;
        switch (kind) {
        case WidgetKind::Led:
            node.set(light());
            break;
        case WidgetKind::Register:
            node.set(registerDisplay());
            break;
        case WidgetKind::DynamicText:
            node.set(dynamicText());
            break;
        case WidgetKind::Bar:
            node.set(bar());
            break;
        case WidgetKind::Trend:
            node.set(trend());
            break;
        case WidgetKind::Key:
            ok = key(node);
            break;
        case WidgetKind::StaticText:
            node.set(staticText());
            break;
        case WidgetKind::Picture:
            ok = picture(node, page);
            break;
        default:
            return false;
        }
        if (!ok || !in.ok())
            return false;
        le::putU16(node.record.data() + 2, uint16_t(x));
        le::putU16(node.record.data() + 4, uint16_t(y));
        page.widgets.push_back(std::move(node));
        page.nextWidgetId++;
        return true;
    }

private:
    LedRecord light() {
        ByteReader& in = s_.in();
        LedRecord r = LedRecord::makeDefault();
        r.setRegister(registerField(in));
        const uint8_t shape = in.u8();
        r.setFlags(in.u8() & (LedRecord::kNegativeLogic | LedRecord::kDoubleSize));
        const uint8_t glyph = shape == 0   ? LedRecord::kRoundGlyph
                              : shape == 1 ? LedRecord::kSquareGlyph
                                           : 0x00;
        r.setDisplayType(shape <= 1 ? uint16_t(shape) : uint16_t(LedRecord::Custom));
        const uint8_t symbol[2] = {0xFF, glyph};
        r.setSymbolText(symbol);
        return r;
    }

    RegisterRecord registerDisplay() {
        ByteReader& in = s_.in();
        RegisterRecord r = RegisterRecord::makeDefault();
        r.setRegister(registerField(in));
        r.setRegisterCount(in.u8());
        const uint8_t digits = in.u8(), decimals = in.u8();
        r.setDigits(digits, decimals);
        // Older panels take their input bounds from constants only.
        r.setOptions(in.u8() &
                     ~(RegisterRecord::kLowerFromRegister | RegisterRecord::kUpperFromRegister));
        r.setSizeFlags(in.u8());
        const int32_t upper = in.i32(), lower = in.i32();
        r.setBoundConstants(RegisterRecord::kUpperOff, {upper, 0});
        r.setBoundConstants(RegisterRecord::kLowerOff, {lower, 0});
        return r;
    }

    DynamicTextRecord dynamicText() {
        ByteReader& in = s_.in();
        DynamicTextRecord r = DynamicTextRecord::makeDefault();
        r.setRegister(registerField(in));
        r.setAttributes(in.u8());
        const bool hex = in.u8() != 0;
        std::string texts[kLevels], values[kLevels];
        for (auto& t : texts)
            t = s_.text();
        in.skip(4 * kLevels); // 32-bit values the older panels kept unused
        for (auto& v : values)
            v = s_.text();
        // Every level keeps its text in its own slot, in use or not, so that the image holds
        // the glyphs of all of them; a level is in use when it has a value text.
        int n = 0;
        for (int k = 0; k < kLevels; ++k) {
            ChoiceEntry e;
            e.used = !values[k].empty();
            e.text[0] = TextSlot::fromBytes(texts[k]);
            e.value = e.used ? levelValue(values[k], hex) : 0;
            r.clearEntry(k);
            r.setEntry(k, e);
            n += e.used ? 1 : 0;
        }
        r.setCount(uint8_t(n));
        r.recomputeWidths();
        return r;
    }

    BarRecord bar() {
        ByteReader& in = s_.in();
        BarRecord r = BarRecord::makeDefault();
        const int32_t w = in.i32(), h = in.i32();
        r.setWidth(uint16_t(w));
        r.setHeight(uint16_t(h));
        r.setRegister(registerField(in));
        r.setRegisterCount(in.u8());
        r.setNumberFlags(in.u8());
        r.setDirection(in.u8());
        r.setFullScale(in.i32());
        r.setZeroScale(in.i32());
        return r;
    }

    TrendRecord trend() {
        ByteReader& in = s_.in();
        TrendRecord r = TrendRecord::makeDefault();
        const int32_t w = in.i32(), h = in.i32();
        // The chart area is the widget less its 4-pixel frame.
        r.setWidth(lessFour(w));
        r.setHeight(lessFour(h));
        r.setRegister(registerField(in));
        r.setRegisterCount(in.u8());
        r.setNumberFlags(in.u8());
        r.setInterval(in.u16());
        r.setDotPitch(in.u8());
        r.setFullScale(in.i32());
        r.setZeroScale(in.i32());
        return r;
    }

    bool key(WidgetNode& node) {
        ByteReader& in = s_.in();
        KeyRecord r = KeyRecord::makeDefault();
        const uint8_t oldKey = in.u8(), action = in.u8(), noPage = in.u8(), prefix = in.u8();
        r.setAttributes(in.u8());
        const uint8_t station = in.u8();
        const uint16_t address = in.u16(), value = in.u16();
        switch (action) {
        case 0: // coil operation on M
            r.setActionByte(KeyRecord::SetCoil);
            r.setRegister({station, uint8_t(RegisterType::M), address});
            r.setValue(value);
            break;
        case 1:
            r.setActionByte(KeyRecord::ScreenJump);
            r.setValue(noPage ? KeyRecord::kJumpToAlarmList : value);
            break;
        case 2: // value written to a D register
            r.setActionByte(KeyRecord::SetRegister);
            r.setRegister({station, uint8_t(RegisterType::D), address});
            r.setValue(value);
            break;
        default:
            return false;
        }
        r.setKeyCode(olderKeyCode(oldKey));
        r.setHand(prefix == 1);
        const auto* g = std::find(std::begin(kKeyGlyphs), std::end(kKeyGlyphs), r.keyCode());
        const uint8_t glyph = uint8_t(g - std::begin(kKeyGlyphs));
        if (r.hand()) {
            const uint8_t symbol[4] = {0xFF, KeyRecord::kHandGlyph, 0xFF, glyph};
            r.setSymbolText(symbol);
        } else {
            const uint8_t symbol[2] = {0xFF, glyph};
            r.setSymbolText(symbol);
        }
        node.set(r);
        return true;
    }

    StaticTextRecord staticText() {
        StaticTextRecord r = StaticTextRecord::makeDefault();
        r.setAttributes(s_.in().u8());
        r.setText(0, TextSlot::fromBytes(s_.text()));
        return r;
    }

    // The BMP information header, its two-colour palette and the pixels, written out as a BMP
    // file "P<page>-<widgets before it>.bmp".
    bool picture(WidgetNode& node, const CPage& page) {
        ByteReader& in = s_.in();
        auto info = in.take(kBmpInfoSize);
        if (!in.ok() || le::u32(info.data()) != kBmpInfoSize)
            return false;
        const int32_t width = int32_t(le::u32(info.data() + 4));
        const int32_t height = int32_t(le::u32(info.data() + 8));
        const uint32_t pixelBytes = le::u32(info.data() + 20);
        // A top-down bitmap stores its height negated; either way the size has to fit the
        // record's 16-bit fields (and INT32_MIN has no positive height at all).
        const int64_t rows = height < 0 ? -int64_t(height) : int64_t(height);
        if (width <= 0 || width > 0xFFFF || rows == 0 || rows > 0xFFFF)
            return false;
        auto palette = in.take(kBmpPaletteSize);
        if (!in.ok() || pixelBytes > kBitmapCapacity || pixelBytes > in.remaining())
            return false;
        auto pixels = in.take(pixelBytes);

        char name[48];
        std::snprintf(name, sizeof name, "P%d-%d.bmp", page.number(), page.widgetCount());
        std::error_code ec;
        std::filesystem::create_directories(folder_ / "pic", ec);
        std::vector<uint8_t> bmp;
        ByteWriter w(bmp);
        w.u8('B');
        w.u8('M');
        w.u32(uint32_t(pixelBytes + kBmpPixelOffset));
        w.u32(0);
        w.u32(kBmpPixelOffset);
        w.bytes(info);
        w.bytes(palette);
        w.bytes(pixels);
        std::ofstream out(folder_ / "pic" / name, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bmp.data()), std::streamsize(bmp.size()));
        out.close();
        if (!out)
            return false;

        PictureRecord r = PictureRecord::makeDefault();
        r.setSize(uint16_t(width), uint16_t(rows));
        r.setBitmap(pixels);
        r.setPictureName(std::string("pic/") + name);
        node.set(r);
        return true;
    }

    OlderStream& s_;
    const std::filesystem::path& folder_;
};

void translateHeader(std::span<const uint8_t> file, ProjectHeader& h) {
    static constexpr uint8_t kTranslatedSignature[8] = {0x06, 'Z', 'O', 'R', 'V', 0x08, 'v', '2'};
    std::copy(std::begin(kTranslatedSignature), std::end(kTranslatedSignature), h.bytes.begin());
    std::fill(h.bytes.begin() + 8, h.bytes.begin() + 28, uint8_t(0));
    static constexpr uint8_t kFormat[6] = {2, 0, 0, 0, 20, 0};
    std::copy(std::begin(kFormat), std::end(kFormat), h.bytes.begin() + 28);
    h.setU16(ProjectHeader::kHeaderWord34Off, 1);
    h.setU16(ProjectHeader::kDisplayWidthOff, 192);
    h.setU16(ProjectHeader::kDisplayHeightOff, 64);
    h.setPasswordLevels(le::u16(&file[11]));
    h.setU16(112, 0);
    h.setU16(114, 0);
    h.setU8(116, 0);
    h.setU8(ProjectHeader::kByte117Off, 1); // one language

    const uint8_t b = file[22], a = file[29];
    uint8_t flags = uint8_t(a != 0 ? b - 128 : b + 64);
    flags &= uint8_t(~(sysflag::kMultiLanguage | sysflag::kReportPasswordLevel));
    flags |= sysflag::kAutoAlarmPage | sysflag::kBacklightOff;
    h.setFlags(flags);

    const uint16_t pageControl = le::u16(&file[16]);
    const uint8_t d = uint8_t(RegisterType::D);
    h.setRegisterAt(ProjectHeader::kPageControlRegOff, {1, d, pageControl});
    h.setRegisterAt(ProjectHeader::kCurrentPageRegOff, {1, d, uint16_t(pageControl + 1)});

    const uint16_t delay = olderTimeoutSeconds(file[21]);
    h.setScreenProtectDelay(delay);
    h.setBacklightDelay(delay);

    h.setU8(100, 2);
    h.setU8(101, 12);
    h.setPageCount(le::u16(&file[128]));
    h.setStartPage(le::u16(&file[13]));
    h.setDefaultPage(le::u16(&file[19]));
    h.setScreenSaverPage(le::u16(&file[19]));
    h.setU16(ProjectHeader::kUserGlyphBaseOff, 0xC000);
    h.setAlarmPage(ProjectHeader::kNoAlarmPage);
}

// The rest of a page record whose number has been read; false on anything unsound.
bool translatePage(OlderStream& s, PageTranslator& objects, CPage& page) {
    ByteReader& in = s.in();
    page.setDescription(s.text());
    page.head.setUpPage(in.u16());
    page.head.setDownPage(in.u16());
    in.skip(20);
    const int expected = in.u16() & 0xFF;
    int read = 0;
    for (;;) {
        while (s.peek() == uint8_t(0))
            in.skip(1);
        const auto next = s.peek();
        if (!next)
            return false;
        if (*next == kObjectsEnd) {
            in.skip(1);
            break;
        }
        if (read == expected)
            return false; // more objects than the page claims
        const auto kind = objects.objectKind();
        if (!kind || !objects.object(page, *kind))
            return false;
        ++read;
    }
    return in.ok() && read == expected;
}

} // namespace

uint16_t olderTimeoutSeconds(uint8_t code) {
    static constexpr uint16_t kLong[] = {300, 600, 900, 1200, 1800, 2700, 3600};
    if (code <= 3)
        return uint16_t(code * 60);
    if (code <= 10)
        return kLong[code - 4];
    return 0;
}

uint8_t olderKeyCode(uint8_t oldKey) {
    return oldKey < std::size(kOlderKeys) ? kOlderKeys[oldKey] : KeyRecord::kEscKeyCode;
}

bool CTranslator::translate(std::span<const uint8_t> file, CHCData& project) const {
    if (file.size() < sizeof kSignature ||
        !std::equal(std::begin(kSignature), std::end(kSignature), file.begin()))
        return false;
    if (file.size() < kHeaderSize)
        return false;
    translateHeader(file, project.header);

    OlderStream s(file);
    ByteReader& in = s.in();
    in.skip(kHeaderSize);
    PageTranslator objects(s, folder_);
    const int claimed = project.header.pageCount();
    int pages = 0;
    uint16_t number = claimed > 0 ? in.u16() : 0;
    while (pages < claimed) {
        auto page = std::make_unique<CPage>(number);
        CPage& p = *page;
        project.appendPage(std::move(page));
        if (!translatePage(s, objects, p))
            return false;
        ++pages;
        if (pages == claimed)
            break;
        // 0x80 and a nonzero page number announce the next page record.
        const auto mark = s.peek();
        const auto nextNumber = s.peekU16(1);
        if (mark != kNextPageMark || !nextNumber || *nextNumber == 0)
            break;
        in.skip(3);
        number = *nextNumber;
    }
    project.header.setPageCount(uint16_t(pages));

    AlarmListRecord alarms = AlarmListRecord::makeSystemDefault();
    alarms.setStart(in.u16());
    in.skip(103);
    const uint16_t n = in.u16();
    if (!in.ok() || n >= AlarmListRecord::kCapacity)
        return false;
    alarms.setStation(1);
    alarms.setRegisterType(0);
    alarms.setU8(12, 0);
    alarms.setX(0);
    alarms.setY(0);
    alarms.setDuration(0);
    alarms.setText(0, 1, TextSlot{});
    for (int j = 1; j <= n; ++j)
        alarms.setText(j, 0, TextSlot::fromBytes(s.text()));
    if (!in.ok())
        return false;
    alarms.setEntryCount(uint16_t(n + 1));
    project.alarmList = alarms;
    return true;
}

} // namespace zorv
