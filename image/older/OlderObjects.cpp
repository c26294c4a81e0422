// The object step of the translation: each object of an older page as a widget of its kind.
#include "image/older/OlderObjects.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

#include "image/Translator.h"
#include "image/older/OlderPicture.h"
#include "model/WidgetRecords.h"

namespace zorv {

namespace {

// Key codes by older key number.
constexpr uint8_t kOlderKeys[] = {18, 24, 21, 20, 22, 23, 25, 0,  1,  2,  3,  4, 5,
                                  6,  7,  8,  9,  17, 26, 27, 28, 10, 11, 12, 13};
// Symbol numbers of the keys: the position of the key code in this table.
constexpr uint8_t kKeyGlyphs[] = {0x12, 0x16, 0x17, 0x14, 0x15, 0x18, 0x19, 0x13, 0x00,
                                  0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09,
                                  0x11, 0x1A, 0x1B, 0x1C, 0x0A, 0x0B, 0x0C, 0x0D, 0x1F};

} // namespace

uint8_t olderKeyCode(uint8_t oldKey) {
    return oldKey < std::size(kOlderKeys) ? kOlderKeys[oldKey] : KeyRecord::kEscKeyCode;
}

namespace older {

namespace {

constexpr uint16_t kNewClassTag = 0xFFFF;
constexpr uint16_t kClassSchema = 1;
constexpr int kLevels = 32;

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

// A level value text read with "%d" or "%X"; a text without a number gives 0.
int32_t levelValue(const std::string& text, bool hex) {
    int value = 0;
    if (std::sscanf(text.c_str(), hex ? "%X" : "%d", &value) != 1)
        return 0;
    return value;
}

uint16_t lessFour(int32_t size) {
    return uint16_t(std::clamp<int64_t>(int64_t(size) - 4, 0, 0xFFFF));
}

LedRecord light(OlderStream& s) {
    ByteReader& in = s.in();
    LedRecord r = LedRecord::makeDefault();
    r.setRegister(s.registerField());
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

RegisterRecord registerDisplay(OlderStream& s) {
    ByteReader& in = s.in();
    RegisterRecord r = RegisterRecord::makeDefault();
    r.setRegister(s.registerField());
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

DynamicTextRecord dynamicText(OlderStream& s) {
    ByteReader& in = s.in();
    DynamicTextRecord r = DynamicTextRecord::makeDefault();
    r.setRegister(s.registerField());
    r.setAttributes(in.u8());
    const bool hex = in.u8() != 0;
    std::string texts[kLevels], values[kLevels];
    for (auto& t : texts)
        t = s.text();
    in.skip(4 * kLevels); // 32-bit values the older panels kept unused
    for (auto& v : values)
        v = s.text();
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

BarRecord bar(OlderStream& s) {
    ByteReader& in = s.in();
    BarRecord r = BarRecord::makeDefault();
    const int32_t w = in.i32(), h = in.i32();
    r.setWidth(uint16_t(w));
    r.setHeight(uint16_t(h));
    r.setRegister(s.registerField());
    r.setRegisterCount(in.u8());
    r.setNumberFlags(in.u8());
    r.setDirection(in.u8());
    r.setFullScale(in.i32());
    r.setZeroScale(in.i32());
    return r;
}

TrendRecord trend(OlderStream& s) {
    ByteReader& in = s.in();
    TrendRecord r = TrendRecord::makeDefault();
    const int32_t w = in.i32(), h = in.i32();
    // The chart area is the widget less its 4-pixel frame.
    r.setWidth(lessFour(w));
    r.setHeight(lessFour(h));
    r.setRegister(s.registerField());
    r.setRegisterCount(in.u8());
    r.setNumberFlags(in.u8());
    r.setInterval(in.u16());
    r.setDotPitch(in.u8());
    r.setFullScale(in.i32());
    r.setZeroScale(in.i32());
    return r;
}

bool key(OlderStream& s, WidgetNode& node) {
    ByteReader& in = s.in();
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

StaticTextRecord staticText(OlderStream& s) {
    StaticTextRecord r = StaticTextRecord::makeDefault();
    r.setAttributes(s.in().u8());
    r.setText(0, TextSlot::fromBytes(s.text()));
    return r;
}

} // namespace

std::optional<WidgetKind> objectKind(OlderStream& s) {
    ByteReader& in = s.in();
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

bool translateObject(OlderStream& s, const std::filesystem::path* folder, CPage& page,
                     WidgetKind kind) {
    ByteReader& in = s.in();
    const int32_t x = in.i32(), y = in.i32();
    WidgetNode node{page.nextWidgetId, kind, defaultRecord(kind)};
    bool ok = true;
    switch (kind) {
    case WidgetKind::Led:
        node.set(light(s));
        break;
    case WidgetKind::Register:
        node.set(registerDisplay(s));
        break;
    case WidgetKind::DynamicText:
        node.set(dynamicText(s));
        break;
    case WidgetKind::Bar:
        node.set(bar(s));
        break;
    case WidgetKind::Trend:
        node.set(trend(s));
        break;
    case WidgetKind::Key:
        ok = key(s, node);
        break;
    case WidgetKind::StaticText:
        node.set(staticText(s));
        break;
    case WidgetKind::Picture:
        ok = translatePicture(in, folder, page, node);
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

} // namespace older

} // namespace zorv
