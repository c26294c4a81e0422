#include "sim/ImageReaderWidgets.h"

namespace zorv::sim::detail {

namespace {

constexpr std::size_t kMaxDynamicLevels = 32;
constexpr std::size_t kMaxMenuItems = 20;
constexpr std::size_t kMaxAlarmEntries = 200;
constexpr uint16_t kAlarmListJump = 0xFFFF;
constexpr uint32_t kMenuNumbers = 255; // menu numbers run 0 .. 254
constexpr uint8_t kPageJump = 1;

// Bytes written from the front of each kind's record, and the whole size of the kinds that
// carry nothing after their head (0: variable).
struct KindLayout {
    uint32_t head;
    uint32_t fixedSize;
};

KindLayout layoutOf(WidgetKind kind) {
    switch (kind) {
    case WidgetKind::Led:
        return {24, 0};
    case WidgetKind::Register:
        return {36, 36};
    case WidgetKind::DynamicText:
        return {20, 0};
    case WidgetKind::Bar:
        return {28, 28};
    case WidgetKind::Trend:
        return {36, 36};
    case WidgetKind::Menu:
        return {20, 0};
    case WidgetKind::Password:
        return {12, 12};
    case WidgetKind::Key:
        return {20, 0};
    case WidgetKind::StaticText:
        return {12, 0};
    case WidgetKind::Picture:
        return {16, 0};
    case WidgetKind::Alarm:
        return {20, 0};
    default:
        return {0, 0};
    }
}

// Offset of the register reference (station, type, address) in the kinds that have one.
int registerOffset(WidgetKind kind) {
    switch (kind) {
    case WidgetKind::Trend:
        return 12;
    case WidgetKind::Key:
        return 10;
    case WidgetKind::Password:
    case WidgetKind::StaticText:
    case WidgetKind::Picture:
        return -1;
    default:
        return 6;
    }
}

std::string num(uint64_t v) {
    return std::to_string(v);
}

class WidgetReader {
public:
    WidgetReader(const WidgetPlace& place, WidgetSequence& sequence, ImageWidget& widget,
                 ImageFault& fault)
        : p_(place), seq_(sequence), w_(widget), fault_(fault) {}

    bool read();

private:
    uint32_t size() const { return p_.end - p_.start; }
    uint8_t u8(uint32_t off) const { return p_.page.u8(p_.start + off); }
    uint16_t u16(uint32_t off) const { return p_.page.u16(p_.start + off); }
    uint32_t u32(uint32_t off) const { return p_.page.u32(p_.start + off); }
    StringBounds bounds() const {
        return {p_.end, p_.end == p_.page.size() ? "the page end" : "the widget end",
                p_.glyphCount};
    }

    bool need(uint32_t len, const std::string& what) {
        if (len <= size())
            return true;
        return fault_.fail(what + " needs " + num(len) + " bytes, the widget has " + num(size()));
    }
    bool expect(uint32_t headOff, uint32_t actual, uint32_t expected, const char* name) {
        if (actual == expected)
            return true;
        return fault_.fail(std::string(name) + " (byte " + num(headOff) + ") is " + num(actual) +
                           ", expected " + num(expected));
    }
    bool expectPageIndex(uint32_t headOff, const char* name) {
        const uint16_t index = u16(headOff);
        if (index < p_.pageCount)
            return true;
        return fault_.fail(std::string(name) + " (byte " + num(headOff) + ") is page index " +
                           num(index) + " of " + num(p_.pageCount) + " pages");
    }
    // The widget's contents end at `end`; the next widget (or the page end) must start there.
    bool fillsTo(uint64_t end) {
        if (end == p_.end)
            return true;
        return fault_.fail("contents end at " + num(end) + " but the widget ends at " +
                           num(p_.end));
    }
    bool bitmapLength(uint32_t length, uint16_t width, uint16_t height, const std::string& what) {
        const uint32_t converted = bandBitmapLength(width, height);
        if (length == 0 || length == converted)
            return true;
        return fault_.fail(what + " of " + num(length) + " bytes, expected 0 or " + num(converted) +
                           " for " + num(width) + " x " + num(height) + " pixels");
    }
    ImageBitmap bitmap(uint32_t off, uint32_t length, uint16_t width, uint16_t height) const {
        ImageBitmap b{width, height, off, {}};
        b.bytes.assign(p_.page.bytes.begin() + off, p_.page.bytes.begin() + off + length);
        return b;
    }

    bool checkOrder();
    bool readPositioned();
    bool readLed();
    bool readDynamicText();
    bool readMenu();
    bool readPassword();
    bool readKey();
    bool readStaticText();
    bool readPicture();
    bool readAlarmList();

    const WidgetPlace& p_;
    WidgetSequence& seq_;
    ImageWidget& w_;
    ImageFault& fault_;
};

bool WidgetReader::read() {
    w_.offset = p_.start;
    w_.size = size();
    if (size() == 0)
        return fault_.fail("empty record at " + num(p_.start));
    const uint8_t code = u8(0);
    if (!isWidgetKind(code))
        return fault_.fail("kind code " + num(code) + " at " + num(p_.start) +
                           " is no widget kind");
    w_.kind = WidgetKind(code);
    const KindLayout layout = layoutOf(w_.kind);
    if (!need(layout.head, std::string(typeName(w_.kind)) + " head"))
        return false;
    w_.head.assign(p_.page.bytes.begin() + p_.start,
                   p_.page.bytes.begin() + p_.start + layout.head);
    w_.x = u16(2);
    w_.y = u16(4);
    if (const int r = registerOffset(w_.kind); r >= 0)
        w_.reg = RegisterRef{u8(r), u8(r + 1), u16(r + 2)};
    if (layout.fixedSize != 0 && size() != layout.fixedSize)
        return fault_.fail("record of " + num(size()) + " bytes, expected " +
                           num(layout.fixedSize));
    if (!checkOrder())
        return false;
    switch (w_.kind) {
    case WidgetKind::Led:
        return readLed();
    case WidgetKind::Register:
    case WidgetKind::Bar:
    case WidgetKind::Trend:
        return readPositioned();
    case WidgetKind::DynamicText:
        return readDynamicText();
    case WidgetKind::Menu:
        return readMenu();
    case WidgetKind::Password:
        return readPassword();
    case WidgetKind::Key:
        return readKey();
    case WidgetKind::StaticText:
        return readStaticText();
    case WidgetKind::Picture:
        return readPicture();
    default:
        return readAlarmList();
    }
}

// Widgets are written by kind, and registers line by line (16-pixel lines), left to right.
bool WidgetReader::checkOrder() {
    const auto kind = int32_t(w_.kind);
    if (kind < seq_.lastKind)
        return fault_.fail("kind " + num(kind) + " after kind " + num(seq_.lastKind) +
                           ": widgets are not in kind order");
    if (w_.kind == WidgetKind::Register) {
        const uint32_t key = uint32_t(w_.y / 16) * 192 + w_.x;
        if (seq_.lastKind == kind && key < seq_.lastRegisterKey)
            return fault_.fail("register at (" + num(w_.x) + ", " + num(w_.y) +
                               ") written after one further down the page or to its right");
        seq_.lastRegisterKey = key;
    }
    seq_.lastKind = kind;
    return true;
}

bool WidgetReader::readPositioned() {
    if (!expect(1, u8(1), uint8_t(p_.position), "position index"))
        return false;
    if (w_.kind == WidgetKind::Trend) {
        if (!expect(10, u8(10), uint8_t(seq_.trendSum), "trend sequence value"))
            return false;
        seq_.trendSum += u8(24) + 1u;
    }
    return true;
}

bool WidgetReader::readLed() {
    const uint8_t s = u8(24);
    const uint32_t symbolAt = p_.start + 24;
    if (!expect(10, u16(10), symbolAt, "symbol string offset") ||
        !expect(12, u16(12), symbolAt + s + 1, "image 1 offset"))
        return false;
    ImageString symbol;
    if (!readString(p_.page, symbolAt, bounds(), "symbol string", symbol, fault_))
        return false;
    w_.symbol = symbol;
    const uint32_t first = u16(12), second = u16(14);
    if (second < first || second > p_.end)
        return fault_.fail("image 2 offset (byte 14) " + num(second) + " outside " + num(first) +
                           " .. " + num(p_.end));
    const uint32_t b1 = second - first, b2 = p_.end - second;
    if (!bitmapLength(b1, u16(16), u16(18), "image 1") ||
        !bitmapLength(b2, u16(20), u16(22), "image 2"))
        return false;
    if (b1 > 0)
        w_.bitmaps.push_back(bitmap(first, b1, u16(16), u16(18)));
    if (b2 > 0)
        w_.bitmaps.push_back(bitmap(second, b2, u16(20), u16(22)));
    return true;
}

bool WidgetReader::readDynamicText() {
    const uint32_t c = u8(11);
    if (c > kMaxDynamicLevels)
        return fault_.fail(num(c) + " levels, more than 32");
    const uint32_t values = p_.start + 20;
    if (!need(22 + 6 * c, "level tables") || !expect(12, u16(12), values, "value table offset") ||
        !expect(16, u16(16), values + 2 * c, "attribute bytes offset") ||
        !expect(14, u16(14), values + 2 * c + 2, "text offset table offset"))
        return false;
    w_.choices.resize(c);
    for (uint32_t i = 0; i < c; ++i)
        w_.choices[i].value = p_.page.u16(values + 2 * i);
    w_.textWidths = {p_.page.u8(values + 2 * c), p_.page.u8(values + 2 * c + 1)};
    uint32_t end = 0;
    return readTextTable(p_.page, values + 2 * c + 2, values + 6 * c + 2, bounds(), "level",
                         w_.choices, end, fault_) &&
           fillsTo(end);
}

bool WidgetReader::readMenu() {
    const uint32_t w = u8(10), c = u8(11);
    if (c > kMaxMenuItems)
        return fault_.fail(num(c) + " items, more than 20");
    if (!expect(1, u8(1), seq_.menus % kMenuNumbers, "menu number"))
        return false;
    ++seq_.menus;
    const uint32_t values = p_.start + 20, table = values + 2 * c * w;
    if (!need(20 + 2 * c * (w + 2), "item tables") ||
        !expect(18, u16(18), values, "value table offset") ||
        !expect(16, u16(16), table, "text offset table offset"))
        return false;
    w_.choices.resize(c);
    for (uint32_t i = 0; i < c; ++i) {
        // A value of w words; only its first 32 bits are kept.
        uint32_t v = 0;
        for (uint32_t b = 0; b < std::min<uint32_t>(2 * w, 4); ++b)
            v |= uint32_t(p_.page.u8(values + 2 * w * i + b)) << (8 * b);
        w_.choices[i].value = v;
        if (u8(14) == kPageJump && v >= p_.pageCount)
            return fault_.fail("item " + num(i) + " jumps to page index " + num(v) + " of " +
                               num(p_.pageCount) + " pages");
    }
    uint32_t end = 0;
    return readTextTable(p_.page, table, table + 4 * c, bounds(), "item", w_.choices, end,
                         fault_) &&
           fillsTo(end);
}

bool WidgetReader::readPassword() {
    const uint32_t levels = p_.passwordLevels & 0x0F;
    return expect(1, u8(1) >> 4, levels, "password level count (high half of byte 1)") &&
           expectPageIndex(8, "success page") && expectPageIndex(10, "failure page");
}

bool WidgetReader::readKey() {
    const uint32_t symbolAt = p_.start + 20;
    if (!need(21, "symbol string") || !expect(8, u16(8), symbolAt, "symbol string offset"))
        return false;
    ImageString symbol;
    if (!readString(p_.page, symbolAt, bounds(), "symbol string", symbol, fault_))
        return false;
    w_.symbol = symbol;
    if (u8(7) == kPageJump && u16(14) != kAlarmListJump && !expectPageIndex(14, "jump target"))
        return false;
    return fillsTo(symbolAt + 1 + uint64_t(symbol.bytes.size()));
}

bool WidgetReader::readStaticText() {
    const uint32_t pair = p_.start + 12, first = p_.start + 16;
    if (!need(18, "text offsets and texts") ||
        !expect(6, u16(6), pair, "text offset pair offset") ||
        !expect(8, u32(8), 0, "reserved bytes 8 to 11") ||
        !expect(12, u16(12), first, "text 1 offset"))
        return false;
    if (!readString(p_.page, first, bounds(), "text 1", w_.text[0], fault_))
        return false;
    const uint32_t second = first + 1 + uint32_t(w_.text[0].bytes.size());
    if (!expect(14, u16(14), second, "text 2 offset") ||
        !readString(p_.page, second, bounds(), "text 2", w_.text[1], fault_))
        return false;
    return fillsTo(second + 1 + uint64_t(w_.text[1].bytes.size()));
}

bool WidgetReader::readPicture() {
    const uint32_t at = p_.start + 16;
    if (!expect(8, u32(8), at, "bitmap offset"))
        return false;
    const uint32_t length = p_.end - at;
    if (!bitmapLength(length, u16(12), u16(14), "bitmap"))
        return false;
    w_.bitmaps.push_back(bitmap(at, length, u16(12), u16(14)));
    return true;
}

bool WidgetReader::readAlarmList() {
    // The head holds the entry count less one.
    const uint32_t c = uint16_t(u16(10) + 1);
    if (c > kMaxAlarmEntries)
        return fault_.fail(num(c) + " entries, more than 200");
    const uint32_t table = p_.start + 20;
    if (!expect(14, u16(14), table, "text offset table offset"))
        return false;
    w_.choices.resize(c);
    uint32_t end = 0;
    return readTextTable(p_.page, table, table + 4 * c, bounds(), "entry", w_.choices, end,
                         fault_) &&
           fillsTo(end);
}

} // namespace

bool readWidget(const WidgetPlace& place, WidgetSequence& sequence, ImageWidget& widget,
                ImageFault& fault) {
    return WidgetReader(place, sequence, widget, fault).read();
}

} // namespace zorv::sim::detail
