#include "image/WidgetEncoder.h"

#include <algorithm>

#include "image/BandBitmap.h"
#include "image/CompileTexts.h"
#include "model/ByteReader.h"
#include "model/WidgetRecords.h"

namespace zorv {

namespace {

void appendString(ByteWriter& w, const TextSlot& text) {
    w.u8(text.length);
    w.bytes(std::span(text.data).first(text.length));
}

// The u16 offsets of the texts, the first text at `textStart`, followed by the texts.
void appendStringTable(const std::vector<TextSlot>& texts, std::size_t textStart, ByteWriter& w) {
    std::size_t at = textStart;
    for (const TextSlot& t : texts) {
        w.u16(uint16_t(at));
        at += t.length + 1u;
    }
    for (const TextSlot& t : texts)
        appendString(w, t);
}

// The head as held, behind the kind code written again.
template <class R> void appendHead(ByteWriter& w, const R& r, std::size_t headSize) {
    w.u8(uint8_t(R::kKind));
    w.bytes(r.span(1, headSize - 1));
}

// Head fields that the compile fills with page-relative offsets (reserved in the project).
namespace at {
constexpr std::size_t kLightSymbol = 10, kLightBitmap1 = 12, kLightBitmap2 = 14;
constexpr std::size_t kDynamicValues = 12, kDynamicStrings = 14, kDynamicAttributes = 16;
constexpr std::size_t kMenuStrings = 16, kMenuValues = 18;
constexpr std::size_t kKeySymbol = 8, kStaticTexts = 6, kPictureBitmap = 8, kAlarmStrings = 14;
constexpr std::size_t kNumber = 1, kTrendSequence = 10; // position, menu number
} // namespace at

// The used entries of a dynamic text or menu, in slot order. The count written and the size
// both follow the in-use flags, whatever the count byte says.
template <class R> std::vector<int> usedEntries(const R& r) {
    std::vector<int> used;
    for (int k = 0; k < R::kCapacity; ++k) {
        if (r.u32(R::entryOff(k) + R::kUsedOff) != 0)
            used.push_back(k);
    }
    return used;
}

template <class R> std::vector<TextSlot> entryTexts(const R& r, const std::vector<int>& used) {
    std::vector<TextSlot> texts;
    for (std::size_t textOff : {R::kText1Off, R::kText2Off}) {
        for (int k : used)
            texts.push_back(r.textAt(R::entryOff(k) + textOff));
    }
    return texts;
}

// The converted bitmap of a picture or light image; empty for a bitmap of length 0.
bool convertBitmap(int width, int height, std::span<const uint8_t> field, std::size_t length,
                   const CompilePlace& place, std::vector<uint8_t>& converted,
                   std::string& message) {
    converted.clear();
    if (length == 0)
        return true;
    auto bands = toBandBitmap(width, height, field, length);
    if (!bands) {
        message = "The picture of " + place.describe() + " is larger than 192*64!";
        return false;
    }
    converted = std::move(*bands);
    return true;
}

bool encodeLight(LedRecord r, std::size_t offset, const CompilePlace& place, ByteWriter& w,
                 std::string& message) {
    std::vector<uint8_t> bitmaps[2];
    for (int logic = 0; logic < 2; ++logic) {
        if (!convertBitmap(r.pictureWidth(logic), r.pictureHeight(logic),
                           r.span(LedRecord::bitmapOff(logic), kBitmapCapacity),
                           r.bitmap(logic).size(), place, bitmaps[logic], message))
            return false;
    }
    const auto symbol = r.symbolText();
    const std::size_t symbolAt = offset + LedRecord::kSymbolLengthOff;
    const std::size_t bitmap1At = symbolAt + symbol.size() + 1;
    r.setU16(at::kLightSymbol, uint16_t(symbolAt));
    r.setU16(at::kLightBitmap1, uint16_t(bitmap1At));
    r.setU16(at::kLightBitmap2, uint16_t(bitmap1At + bitmaps[0].size()));
    appendHead(w, r, 24);
    w.u8(uint8_t(symbol.size()));
    w.bytes(symbol);
    w.bytes(bitmaps[0]);
    w.bytes(bitmaps[1]);
    return true;
}

void encodeDynamicText(DynamicTextRecord r, std::size_t offset, ByteWriter& w) {
    const auto used = usedEntries(r);
    const std::size_t c = used.size();
    r.setCount(uint8_t(c));
    r.setU16(at::kDynamicValues, uint16_t(offset + 20));
    r.setU16(at::kDynamicAttributes, uint16_t(offset + 20 + 2 * c));
    r.setU16(at::kDynamicStrings, uint16_t(offset + 22 + 2 * c));
    appendHead(w, r, 20);
    for (int k : used)
        w.u16(uint16_t(r.u32(DynamicTextRecord::entryOff(k) + DynamicTextRecord::kValueOff)));
    w.u8(r.u8(DynamicTextRecord::kWidth1Off));
    w.u8(r.u8(DynamicTextRecord::kWidth2Off));
    appendStringTable(entryTexts(r, used), offset + 22 + 6 * c, w);
}

void encodeMenu(MenuRecord r, std::size_t offset, EncodeCounters& counters, ByteWriter& w) {
    const auto used = usedEntries(r);
    const std::size_t c = used.size(), words = r.registerLength();
    // Menu numbers run 0 .. 254 over the image, then start again.
    r.setU8(at::kNumber, uint8_t(counters.menus++ % 255));
    r.setCount(uint8_t(c));
    r.setU16(at::kMenuValues, uint16_t(offset + 20));
    r.setU16(at::kMenuStrings, uint16_t(offset + 20 + 2 * c * words));
    appendHead(w, r, 20);
    for (int k : used) {
        // The value is 32 bits in memory; wider register lengths read as zero-extended.
        const std::size_t value = MenuRecord::entryOff(k) + MenuRecord::kValueOff;
        for (std::size_t j = 0; j < 2 * words; ++j)
            w.u8(j < 4 ? r.u8(value + j) : uint8_t(0));
    }
    appendStringTable(entryTexts(r, used), offset + 20 + 2 * c * (words + 2), w);
}

void encodeKey(KeyRecord r, std::size_t offset, ByteWriter& w) {
    const auto symbol = r.symbolText();
    r.setU16(at::kKeySymbol, uint16_t(offset + KeyRecord::kSymbolLengthOff));
    appendHead(w, r, 20);
    w.u8(uint8_t(symbol.size()));
    w.bytes(symbol);
}

void encodeStaticText(StaticTextRecord r, std::size_t offset, ByteWriter& w) {
    const TextSlot t1 = r.text(0), t2 = r.text(1);
    r.setU16(at::kStaticTexts, uint16_t(offset + 12));
    appendHead(w, r, 12);
    appendStringTable({t1, t2}, offset + 16, w);
}

bool encodePicture(PictureRecord r, std::size_t offset, const CompilePlace& place, ByteWriter& w,
                   std::string& message) {
    std::vector<uint8_t> bitmap;
    if (!convertBitmap(r.width(), r.height(), r.span(PictureRecord::kBitmapOff, kBitmapCapacity),
                       r.bitmap().size(), place, bitmap, message))
        return false;
    // The panel takes a set bit for a dark pixel.
    for (uint8_t& b : bitmap)
        b = uint8_t(~b);
    r.setU32(at::kPictureBitmap, uint32_t(offset + 16));
    appendHead(w, r, 16);
    w.bytes(bitmap);
    return true;
}

} // namespace

void appendAlarmList(AlarmListRecord list, std::size_t base, std::vector<uint8_t>& out) {
    ByteWriter w(out);
    const int c = alarmEntriesUsed(list.entryCount());
    std::vector<TextSlot> texts;
    for (int lang = 0; lang < 2; ++lang) {
        for (int k = 0; k < c; ++k)
            texts.push_back(list.text(k, lang));
    }
    list.setEntryCount(uint16_t(c - 1));
    list.setU16(at::kAlarmStrings, uint16_t(base + 20));
    appendHead(w, list, 20);
    appendStringTable(texts, base + 20 + 4 * std::size_t(c), w);
}

bool encodeWidget(const WidgetNode& node, std::size_t offset, EncodeCounters& counters,
                  const CompilePlace& place, std::vector<uint8_t>& out, std::string& message) {
    ByteWriter w(out);
    const int position = counters.position++;
    switch (node.kind) {
    case WidgetKind::Led:
        return encodeLight(node.get<LedRecord>(), offset, place, w, message);
    case WidgetKind::Register: {
        auto r = node.get<RegisterRecord>();
        r.setU8(at::kNumber, uint8_t(position));
        appendHead(w, r, 36);
        return true;
    }
    case WidgetKind::DynamicText:
        encodeDynamicText(node.get<DynamicTextRecord>(), offset, w);
        return true;
    case WidgetKind::Bar: {
        auto r = node.get<BarRecord>();
        r.setU8(at::kNumber, uint8_t(position));
        appendHead(w, r, 28);
        return true;
    }
    case WidgetKind::Trend: {
        auto r = node.get<TrendRecord>();
        r.setU8(at::kNumber, uint8_t(position));
        r.setU8(at::kTrendSequence, uint8_t(counters.trendSequence));
        counters.trendSequence = (counters.trendSequence + r.dotPitch() + 1) % 256;
        appendHead(w, r, 36);
        return true;
    }
    case WidgetKind::Menu:
        encodeMenu(node.get<MenuRecord>(), offset, counters, w);
        return true;
    case WidgetKind::Password: {
        auto r = node.get<PasswordRecord>();
        r.setU8(PasswordRecord::kLevelOff,
                uint8_t((r.u8(PasswordRecord::kLevelOff) & 0x0F) + 16 * counters.passwordLevels));
        appendHead(w, r, 12);
        return true;
    }
    case WidgetKind::Key:
        encodeKey(node.get<KeyRecord>(), offset, w);
        return true;
    case WidgetKind::StaticText:
        encodeStaticText(node.get<StaticTextRecord>(), offset, w);
        return true;
    case WidgetKind::Picture:
        return encodePicture(node.get<PictureRecord>(), offset, place, w, message);
    case WidgetKind::Alarm:
        appendAlarmList(node.get<AlarmListRecord>(), offset, out);
        return true;
    default:
        return true;
    }
}

} // namespace zorv
