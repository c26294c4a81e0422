#include "model/ProjectStream.h"

#include <algorithm>
#include <array>

#include "model/ByteReader.h"
#include "model/WidgetRecords.h"

namespace zorv {

namespace {

constexpr std::size_t kSizeTableFiller = 25; // FF 00 00 00 after the fixed-part sizes
constexpr std::size_t kPageFiller = 5;       // FF 00 00 00 after every page block
constexpr std::array<uint8_t, 4> kTrailer{0xA5, 0x5A, 0xEF, 0xFE};
constexpr std::size_t kDescriptionReadLimit = 40;
constexpr std::size_t kMaxPictureName = kPictureNameSize - 1;
constexpr std::size_t kAlarmHeadSize = 20;

// ---------------------------------------------------------------------------------- writing

void writeFiller(ByteWriter& w, std::size_t times) {
    for (std::size_t i = 0; i < times; ++i)
        w.u32(0xFF);
}

void writeSlot(ByteWriter& w, std::span<const uint8_t> text) {
    w.u8(uint8_t(text.size()));
    w.bytes(text);
}

void writeSlot(ByteWriter& w, const TextSlot& text) {
    writeSlot(w, std::span<const uint8_t>(text.data.data(), text.length));
}

template <class R> void writeHead(ByteWriter& w, const R& r, std::size_t n) {
    w.bytes(r.span(0, n));
}

void writeName(ByteWriter& w, const std::string& name) {
    w.u32(uint32_t(name.size()));
    w.bytes(std::span(reinterpret_cast<const uint8_t*>(name.data()), name.size()));
}

void writeBitmap(ByteWriter& w, std::span<const uint8_t> bitmap) {
    w.u32(uint32_t(bitmap.size()));
    w.bytes(bitmap);
}

// The used entries of a state or item table, in slot order: the first `count` entries of an
// edited table, anywhere in a translated one.
template <class R> std::vector<int> usedEntries(const R& r) {
    std::vector<int> used;
    for (int k = 0; k < R::kCapacity; ++k) {
        if (r.entry(k).used)
            used.push_back(k);
    }
    return used;
}

template <class R> void writeChoiceHead(ByteWriter& w, R r) {
    r.setCount(uint8_t(usedEntries(r).size()));
    writeHead(w, r, 20);
    w.u8(r.count());
}

template <class R> void writeChoiceTexts(ByteWriter& w, const R& r) {
    for (int lang = 0; lang < 2; ++lang) {
        for (int k : usedEntries(r))
            writeSlot(w, r.entry(k).text[lang]);
    }
}

void writeAlarmTexts(ByteWriter& w, const AlarmListRecord& r, int entries) {
    for (int lang = 0; lang < 2; ++lang) {
        for (int i = 0; i < entries; ++i)
            writeSlot(w, r.text(i, lang));
    }
}

int alarmEntries(const AlarmListRecord& r) {
    return std::min<int>(r.entryCount(), AlarmListRecord::kCapacity);
}

void writeAlarmHead(ByteWriter& w, AlarmListRecord r) {
    r.setEntryCount(uint16_t(alarmEntries(r)));
    writeHead(w, r, kAlarmHeadSize);
}

void writeWidget(ByteWriter& w, const WidgetNode& node) {
    w.i32(node.id);
    w.i32(int32_t(node.kind));
    switch (node.kind) {
    case WidgetKind::Led: {
        const auto r = node.get<LedRecord>();
        writeHead(w, r, 24);
        writeSlot(w, r.symbolText());
        for (int logic = 0; logic < 2; ++logic) {
            writeName(w, r.pictureName(logic));
            writeBitmap(w, r.bitmap(logic));
        }
        break;
    }
    case WidgetKind::Register:
        writeHead(w, node.get<RegisterRecord>(), 36);
        break;
    case WidgetKind::Bar:
        writeHead(w, node.get<BarRecord>(), 28);
        break;
    case WidgetKind::Trend:
        writeHead(w, node.get<TrendRecord>(), 36);
        break;
    case WidgetKind::Password:
        writeHead(w, node.get<PasswordRecord>(), 12);
        break;
    case WidgetKind::DynamicText: {
        const auto r = node.get<DynamicTextRecord>();
        writeChoiceHead(w, r);
        for (int k : usedEntries(r))
            w.u16(uint16_t(r.entry(k).value));
        writeChoiceTexts(w, r);
        break;
    }
    case WidgetKind::Menu: {
        const auto r = node.get<MenuRecord>();
        writeChoiceHead(w, r);
        for (int k : usedEntries(r)) {
            // The value takes one or two words, as the menu's register does.
            const uint32_t value = uint32_t(r.entry(k).value);
            for (int b = 0; b < 2 * r.registerLength(); ++b)
                w.u8(b < 4 ? uint8_t(value >> (8 * b)) : 0);
        }
        writeChoiceTexts(w, r);
        break;
    }
    case WidgetKind::Key: {
        const auto r = node.get<KeyRecord>();
        writeHead(w, r, 20);
        writeSlot(w, r.symbolText());
        break;
    }
    case WidgetKind::StaticText: {
        const auto r = node.get<StaticTextRecord>();
        writeHead(w, r, 12);
        writeSlot(w, r.text(0));
        writeSlot(w, r.text(1));
        break;
    }
    case WidgetKind::Picture: {
        const auto r = node.get<PictureRecord>();
        writeHead(w, r, 16);
        writeName(w, r.pictureName());
        writeBitmap(w, r.bitmap());
        break;
    }
    case WidgetKind::Alarm: {
        const auto r = node.get<AlarmListRecord>();
        writeAlarmHead(w, r);
        writeAlarmTexts(w, r, alarmEntries(r));
        break;
    }
    default:
        break;
    }
}

void writePage(ByteWriter& w, const CPage& page) {
    w.u32(page.flags);
    const std::string& description = page.description();
    w.u32(uint32_t(description.size()));
    w.bytes(std::span(reinterpret_cast<const uint8_t*>(description.data()), description.size()));
    // Nodes without a kind cannot be represented in the file; they are left out.
    const auto written =
        std::count_if(page.widgets.begin(), page.widgets.end(),
                      [](const WidgetNode& n) { return isWidgetKind(int32_t(n.kind)); });
    w.i32(int32_t(written));
    w.i32(page.nextWidgetId);
    w.bytes(page.head.bytes);
    for (const WidgetNode& node : page.widgets) {
        if (isWidgetKind(int32_t(node.kind)))
            writeWidget(w, node);
    }
}

// ---------------------------------------------------------------------------------- reading

// Reads a length byte and that many text bytes into a slot; texts over 24 bytes are refused.
bool readSlot(ByteReader& r, TextSlot& slot) {
    const uint8_t n = r.u8();
    if (n > TextSlot::kCapacity) {
        r.fail();
        return false;
    }
    slot = TextSlot::fromBytes(r.take(n));
    return r.ok();
}

// Reads a length byte and keeps at most 24 text bytes. A longer text is taken whole, since its
// writer put all its bytes in the stream: reading only 24 of them would read the rest as the
// next fields.
void readCutSlot(ByteReader& r, TextSlot& slot) {
    const uint8_t n = r.u8();
    slot = TextSlot::fromBytes(r.take(n));
}

template <class R> bool readFixed(ByteReader& r, R& rec, std::size_t n) {
    return r.read(rec.span(0, n));
}

bool readSymbolText(ByteReader& r, std::span<uint8_t> lengthAndText) {
    const uint8_t n = r.u8();
    if (n > kSymbolTextCapacity) {
        r.fail();
        return false;
    }
    lengthAndText[0] = n;
    return r.read(lengthAndText.subspan(1, n));
}

bool readName(ByteReader& r, std::string& name) {
    const uint32_t n = r.u32();
    if (n > kMaxPictureName) {
        r.fail();
        return false;
    }
    auto bytes = r.take(n);
    name.assign(bytes.begin(), bytes.end());
    return r.ok();
}

bool readBitmap(ByteReader& r, std::span<uint8_t> field, int32_t& count) {
    const uint32_t n = r.u32();
    if (n > kBitmapCapacity) {
        r.fail();
        return false;
    }
    count = int32_t(n);
    return r.read(field.first(n));
}

template <class R> bool readChoiceTable(ByteReader& r, R& rec, bool menu) {
    const uint8_t count = r.u8();
    if (count > R::kCapacity)
        return false;
    rec.setCount(count);
    for (int k = 0; k < count; ++k) {
        ChoiceEntry e = rec.entry(k);
        e.used = true;
        if (menu) {
            // One or two words, zero-extended.
            uint32_t value = 0;
            const auto bytes = r.take(2 * std::size_t(rec.u8(MenuRecord::kRegisterLengthOff)));
            for (std::size_t b = 0; b < std::min<std::size_t>(bytes.size(), 4); ++b)
                value |= uint32_t(bytes[b]) << (8 * b);
            e.value = int32_t(value);
        } else {
            e.value = r.u16();
        }
        rec.setEntry(k, e);
    }
    for (int lang = 0; lang < 2; ++lang) {
        for (int k = 0; k < count; ++k) {
            ChoiceEntry e = rec.entry(k);
            readCutSlot(r, e.text[lang]);
            rec.setEntry(k, e);
        }
    }
    rec.recomputeWidths();
    return r.ok();
}

bool readAlarmTexts(ByteReader& r, AlarmListRecord& rec) {
    if (rec.entryCount() > AlarmListRecord::kCapacity)
        return false;
    for (int lang = 0; lang < 2; ++lang) {
        for (int i = 0; i < rec.entryCount(); ++i) {
            TextSlot text;
            if (!readSlot(r, text))
                return false;
            rec.setText(i, lang, text);
        }
    }
    return true;
}

bool readLed(ByteReader& r, LedRecord& rec, std::size_t fixed) {
    if (!readFixed(r, rec, fixed) ||
        !readSymbolText(r, rec.span(LedRecord::kSymbolLengthOff, 1 + kSymbolTextCapacity)))
        return false;
    if (fixed <= 12)
        return true; // older lights carry no pictures
    for (int logic = 0; logic < 2; ++logic) {
        std::string name;
        int32_t count = 0;
        if (!readName(r, name) ||
            !readBitmap(r, rec.span(LedRecord::bitmapOff(logic), kBitmapCapacity), count))
            return false;
        rec.setPictureName(logic, name);
        rec.setI32(LedRecord::bitmapCountOff(logic), count);
    }
    return true;
}

bool readPicture(ByteReader& r, PictureRecord& rec, std::size_t fixed) {
    std::string name;
    int32_t count = 0;
    if (!readFixed(r, rec, fixed) || !readName(r, name) ||
        !readBitmap(r, rec.span(PictureRecord::kBitmapOff, kBitmapCapacity), count))
        return false;
    rec.setPictureName(name);
    rec.setI32(PictureRecord::kCountOff, count);
    return true;
}

// The data of one widget of a known kind into a zero-filled record.
template <class R> bool readRecord(ByteReader& r, WidgetNode& node, std::size_t fixed) {
    R rec;
    std::fill(rec.bytes.begin(), rec.bytes.end(), uint8_t(0));
    bool ok = false;
    if constexpr (std::is_same_v<R, LedRecord>) {
        ok = readLed(r, rec, fixed);
    } else if constexpr (std::is_same_v<R, DynamicTextRecord>) {
        ok = readFixed(r, rec, fixed) && readChoiceTable(r, rec, false);
    } else if constexpr (std::is_same_v<R, MenuRecord>) {
        ok = readFixed(r, rec, fixed) && readChoiceTable(r, rec, true);
    } else if constexpr (std::is_same_v<R, KeyRecord>) {
        ok = readFixed(r, rec, fixed) &&
             readSymbolText(r, rec.span(KeyRecord::kSymbolLengthOff, 1 + kSymbolTextCapacity));
    } else if constexpr (std::is_same_v<R, StaticTextRecord>) {
        TextSlot a, b;
        ok = readFixed(r, rec, fixed) && readSlot(r, a) && readSlot(r, b);
        rec.setText(0, a);
        rec.setText(1, b);
    } else if constexpr (std::is_same_v<R, PictureRecord>) {
        ok = readPicture(r, rec, fixed);
    } else if constexpr (std::is_same_v<R, AlarmListRecord>) {
        // The alarm list's fixed part is always its first 20 bytes.
        ok = readFixed(r, rec, kAlarmHeadSize) && readAlarmTexts(r, rec);
    } else {
        ok = readFixed(r, rec, fixed);
    }
    node.set(rec);
    return ok && r.ok();
}

// The largest fixed part of a kind: where the fields begin that the reader fills from the
// variable part. A larger one would write past the record, or give those fields two sources
// (and leave states or items marked used beyond their count). A smaller one leaves the rest of
// the record zero, as older lights of 12 bytes need; the menu's value width then comes from a
// zero register length, the same on both sides.
std::size_t largestFixedPart(WidgetKind kind) {
    switch (kind) {
    case WidgetKind::Led:
        return LedRecord::kSymbolLengthOff;
    case WidgetKind::DynamicText:
        return DynamicTextRecord::kTableOff;
    case WidgetKind::Menu:
        return MenuRecord::kTableOff;
    case WidgetKind::Key:
        return KeyRecord::kSymbolLengthOff;
    case WidgetKind::StaticText:
        return StaticTextRecord::kText1Off;
    case WidgetKind::Picture:
        return PictureRecord::kBitmapOff;
    default:
        return recordSize(kind);
    }
}

bool readWidgetData(ByteReader& r, WidgetNode& node, const std::vector<uint16_t>& sizes) {
    const std::size_t slot = std::size_t(node.kind) - 1;
    if (slot >= sizes.size())
        return false;
    const std::size_t fixed = sizes[slot];
    if (node.kind != WidgetKind::Alarm && fixed > largestFixedPart(node.kind))
        return false;
    switch (node.kind) {
    case WidgetKind::Led:
        return readRecord<LedRecord>(r, node, fixed);
    case WidgetKind::Register:
        return readRecord<RegisterRecord>(r, node, fixed);
    case WidgetKind::DynamicText:
        return readRecord<DynamicTextRecord>(r, node, fixed);
    case WidgetKind::Bar:
        return readRecord<BarRecord>(r, node, fixed);
    case WidgetKind::Trend:
        return readRecord<TrendRecord>(r, node, fixed);
    case WidgetKind::Menu:
        return readRecord<MenuRecord>(r, node, fixed);
    case WidgetKind::Password:
        return readRecord<PasswordRecord>(r, node, fixed);
    case WidgetKind::Key:
        return readRecord<KeyRecord>(r, node, fixed);
    case WidgetKind::StaticText:
        return readRecord<StaticTextRecord>(r, node, fixed);
    case WidgetKind::Picture:
        return readRecord<PictureRecord>(r, node, fixed);
    case WidgetKind::Alarm:
        return readRecord<AlarmListRecord>(r, node, fixed);
    default:
        return false;
    }
}

bool readPage(ByteReader& r, CPage& page, const std::vector<uint16_t>& sizes) {
    page.flags = r.u32();
    const uint32_t length = r.u32();
    // At most 40 bytes are read, as older files are read; 39 characters are kept.
    const auto description = r.take(std::min<std::size_t>(length, kDescriptionReadLimit));
    page.setDescription(
        std::string_view(reinterpret_cast<const char*>(description.data()), description.size()));
    const int32_t count = r.i32();
    r.i32(); // the stored next widget id is replaced by the renumbering below
    if (!r.read(page.head.bytes) || count < 0)
        return false;
    int32_t id = 0;
    for (int32_t i = 0; i < count; ++i) {
        r.i32(); // stored ids are not used
        const int32_t kind = r.i32();
        if (!r.ok())
            return false;
        // A node of no kind carries no data and is dropped.
        if (!isWidgetKind(kind))
            continue;
        WidgetNode node = WidgetNode::blank(++id, WidgetKind(kind));
        if (!readWidgetData(r, node, sizes))
            return false;
        page.widgets.push_back(std::move(node));
    }
    page.nextWidgetId = id + 1;
    return r.ok();
}

bool hasSignature(const ProjectHeader& h) {
    static constexpr uint8_t kNative[7] = {0x12, 0x00, 'Z', 'O', 'R', 'V', 'v'};
    static constexpr uint8_t kTranslated[7] = {0x06, 'Z', 'O', 'R', 'V', 0x08, 'v'};
    return std::equal(kNative, kNative + 7, h.bytes.begin()) ||
           std::equal(kTranslated, kTranslated + 7, h.bytes.begin());
}

} // namespace

void writeProjectStream(const CHCData& project, std::vector<uint8_t>& out) {
    ByteWriter w(out);
    ProjectHeader header = project.header;
    header.stampSignature();
    header.setPageCount(uint16_t(project.pageCount()));
    w.bytes(header.bytes);
    const auto sizes = currentFixedPartSizes();
    w.u16(uint16_t(sizes.size()));
    for (uint16_t s : sizes)
        w.u16(s);
    writeFiller(w, kSizeTableFiller);
    for (const auto& page : project.pages()) {
        writePage(w, *page);
        writeFiller(w, kPageFiller);
    }
    writeAlarmHead(w, project.alarmList);
    writeAlarmTexts(w, project.alarmList, alarmEntries(project.alarmList));
    w.bytes(kTrailer);
}

bool readProjectStream(std::span<const uint8_t> stream, CHCData& project, StreamFault* fault) {
    ByteReader r(stream);
    CHCData read;
    auto refuse = [&](StreamFault::Part part, int page = 0) {
        if (fault)
            *fault = {part, page, read.header.pageCount(), r.ranOut()};
        return false;
    };
    if (!r.read(read.header.bytes))
        return refuse(StreamFault::Part::Header);
    if (!hasSignature(read.header))
        return refuse(StreamFault::Part::Signature);
    const uint16_t sizeCount = r.u16();
    if (sizeCount > CHCData::kMaxFixedPartSizes)
        return refuse(StreamFault::Part::SizeTable);
    read.fixedPartSizes.assign(sizeCount, 0);
    for (auto& s : read.fixedPartSizes)
        s = r.u16();
    if (!r.skip(4 * kSizeTableFiller))
        return refuse(StreamFault::Part::SizeTable);
    const uint16_t pages = read.header.pageCount();
    std::vector<std::unique_ptr<CPage>> kept;
    for (uint16_t i = 0; i < pages; ++i) {
        auto page = std::make_unique<CPage>();
        if (!readPage(r, *page, read.fixedPartSizes) || !r.skip(4 * kPageFiller))
            return refuse(StreamFault::Part::Page, i + 1);
        if (!(page->flags & CPage::kDiscardedFlag))
            kept.push_back(std::move(page));
    }
    // The page list is kept in ascending page-number order.
    std::stable_sort(kept.begin(), kept.end(),
                     [](const auto& a, const auto& b) { return a->number() < b->number(); });
    for (auto& page : kept)
        read.appendPage(std::move(page));
    read.header.setPageCount(uint16_t(read.pageCount()));

    read.alarmList = AlarmListRecord{};
    if (!r.read(read.alarmList.span(0, kAlarmHeadSize)) || !readAlarmTexts(r, read.alarmList))
        return refuse(StreamFault::Part::AlarmList);
    const auto trailer = r.take(kTrailer.size());
    if (!r.ok() || !std::equal(kTrailer.begin(), kTrailer.end(), trailer.begin()))
        return refuse(StreamFault::Part::EndMark);
    project = std::move(read);
    return true;
}

void writeWidgetStream(std::span<const WidgetNode> widgets, std::vector<uint8_t>& out) {
    ByteWriter w(out);
    const auto sizes = currentFixedPartSizes();
    w.u16(uint16_t(sizes.size()));
    for (uint16_t s : sizes)
        w.u16(s);
    const auto written = std::count_if(widgets.begin(), widgets.end(), [](const WidgetNode& n) {
        return isWidgetKind(int32_t(n.kind));
    });
    w.i32(int32_t(written));
    for (const WidgetNode& node : widgets) {
        if (isWidgetKind(int32_t(node.kind)))
            writeWidget(w, node);
    }
}

bool readWidgetStream(std::span<const uint8_t> stream, std::vector<WidgetNode>& widgets) {
    ByteReader r(stream);
    const uint16_t sizeCount = r.u16();
    if (!r.ok() || sizeCount > CHCData::kMaxFixedPartSizes)
        return false;
    std::vector<uint16_t> sizes(sizeCount, 0);
    for (auto& s : sizes)
        s = r.u16();
    const int32_t count = r.i32();
    // Every widget takes at least its id and kind: a count beyond that is refused at once.
    if (!r.ok() || count < 0 || std::size_t(count) > r.remaining() / 8)
        return false;
    std::vector<WidgetNode> read;
    for (int32_t i = 0; i < count; ++i) {
        const int32_t id = r.i32();
        const int32_t kind = r.i32();
        if (!r.ok() || !isWidgetKind(kind))
            return false;
        WidgetNode node = WidgetNode::blank(id, WidgetKind(kind));
        if (!readWidgetData(r, node, sizes))
            return false;
        read.push_back(std::move(node));
    }
    if (!r.atEnd())
        return false;
    widgets = std::move(read);
    return true;
}

} // namespace zorv
