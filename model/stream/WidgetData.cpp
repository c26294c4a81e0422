// Writing and reading the data of one widget of each kind.
#include "model/stream/WidgetData.h"

#include <algorithm>
#include <type_traits>

#include "model/WidgetRecords.h"
#include "model/stream/AlarmListStream.h"
#include "model/stream/ChoiceTableStream.h"
#include "model/stream/StreamFields.h"

namespace zorv::streamparts {

namespace {

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
    } else if constexpr (std::is_same_v<R, DynamicTextRecord> || std::is_same_v<R, MenuRecord>) {
        ok = readFixed(r, rec, fixed) && readChoiceTable(r, rec);
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
        ok = readAlarmList(r, rec);
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

} // namespace

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
    case WidgetKind::DynamicText:
        writeChoiceTable(w, node.get<DynamicTextRecord>());
        break;
    case WidgetKind::Menu:
        writeChoiceTable(w, node.get<MenuRecord>());
        break;
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
    case WidgetKind::Alarm:
        writeAlarmList(w, node.get<AlarmListRecord>());
        break;
    default:
        break;
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

} // namespace zorv::streamparts
