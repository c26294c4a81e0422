#include "cli/json/WidgetParts.h"

#include <algorithm>

namespace zorv::json {

Json bitmapRows(std::span<const uint8_t> bitmap, uint16_t width) {
    Json rows = Json::array();
    const std::size_t rowBytes = (std::size_t(width) + 31) / 32 * 4;
    for (std::size_t at = 0; at < bitmap.size();) {
        const std::size_t n =
            rowBytes == 0 ? bitmap.size() : std::min(rowBytes, bitmap.size() - at);
        rows.push_back(hexString(bitmap.subspan(at, n)));
        at += n;
    }
    return rows;
}

std::vector<uint8_t> readBitmapRows(const Json& value, const std::string& path) {
    const Json& rows = readArray(value, path, kBitmapCapacity);
    std::vector<uint8_t> bitmap;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto row = readHex(rows[i], element(path, i));
        bitmap.insert(bitmap.end(), row.begin(), row.end());
        if (bitmap.size() > kBitmapCapacity)
            fail(path, "bitmap larger than " + std::to_string(kBitmapCapacity) + " bytes");
    }
    return bitmap;
}

Json slotText(const TextSlot& text) {
    return textValue(text.view());
}

TextSlot readSlotText(const Json& value, const std::string& path) {
    return TextSlot::fromBytes(readText(value, path, TextSlot::kCapacity));
}

namespace {
// A value as the project file keeps it.
Json choiceValue(int32_t value, int valueBytes) {
    if (valueBytes >= 4)
        return value;
    return valueBytes == 2 ? uint16_t(value) : 0;
}
} // namespace

template <class R> Json choiceEntries(const R& record, int valueBytes) {
    Json entries = Json::array();
    for (int k = 0; k < R::kCapacity; ++k) {
        const ChoiceEntry e = record.entry(k);
        if (!e.used)
            continue;
        Json item;
        item["value"] = choiceValue(e.value, valueBytes);
        item["text1"] = slotText(e.text[0]);
        item["text2"] = slotText(e.text[1]);
        entries.push_back(std::move(item));
    }
    return entries;
}

template <class R>
void readChoiceEntries(const Json& value, const std::string& path, int valueBytes, R& record) {
    const Json& entries = readArray(value, path, R::kCapacity);
    for (int k = 0; k < R::kCapacity; ++k)
        record.clearEntry(k);
    for (std::size_t k = 0; k < entries.size(); ++k) {
        const std::string at = element(path, k);
        const Json& item = readObject(entries[k], at);
        checkKnownKeys(item, at, {"value", "text1", "text2"});
        ChoiceEntry e;
        e.used = true;
        if (item.contains("value")) {
            const int64_t hi = valueBytes >= 4   ? int64_t(UINT32_MAX)
                               : valueBytes == 2 ? UINT16_MAX
                                                 : 0;
            const int64_t lo = valueBytes >= 4 ? int64_t(INT32_MIN) : 0;
            e.value = int32_t(uint32_t(readInteger(item["value"], member(at, "value"), lo, hi)));
        }
        if (item.contains("text1"))
            e.text[0] = readSlotText(item["text1"], member(at, "text1"));
        if (item.contains("text2"))
            e.text[1] = readSlotText(item["text2"], member(at, "text2"));
        record.setEntry(int(k), e);
    }
    record.setCount(uint8_t(entries.size()));
    record.recomputeWidths();
}

template Json choiceEntries(const DynamicTextRecord&, int);
template Json choiceEntries(const MenuRecord&, int);
template void readChoiceEntries(const Json&, const std::string&, int, DynamicTextRecord&);
template void readChoiceEntries(const Json&, const std::string&, int, MenuRecord&);

namespace {
Json boundNumber(const RegisterRecord& record, int32_t v) {
    return record.option(RegisterRecord::kSigned) ? Json(v) : Json(uint32_t(v));
}
int32_t readBoundNumber(const Json& value, const std::string& path) {
    return int32_t(uint32_t(readInteger(value, path, INT32_MIN, UINT32_MAX)));
}
} // namespace

Json registerBound(const RegisterRecord& record, std::size_t off, uint8_t fromRegisterBit) {
    if (record.option(fromRegisterBit)) {
        const BoundRegister b = record.boundRegister(off);
        return Json{{"station", b.station},
                    {"register", registerValue(b.type, b.address)},
                    {"count", b.count}};
    }
    const BoundConstants c = record.boundConstants(off);
    return Json{{"input", boundNumber(record, c.input)},
                {"engineering", boundNumber(record, c.engineering)}};
}

void readRegisterBound(const Json& value, const std::string& path, std::size_t off,
                       uint8_t fromRegisterBit, RegisterRecord& record) {
    readObject(value, path);
    const bool fromRegister =
        value.contains("register") || value.contains("station") || value.contains("count");
    if (fromRegister) {
        checkKnownKeys(value, path, {"station", "register", "count"});
        BoundRegister b;
        if (value.contains("station"))
            b.station = uint8_t(readInteger(value["station"], member(path, "station"), 0, 255));
        if (value.contains("register")) {
            const RegisterValue r = readRegister(value["register"], member(path, "register"));
            b.type = r.type;
            b.address = r.address;
        }
        if (value.contains("count"))
            b.count = uint8_t(readInteger(value["count"], member(path, "count"), 0, 255));
        record.setBoundRegister(off, b);
    } else {
        checkKnownKeys(value, path, {"input", "engineering"});
        BoundConstants c;
        if (value.contains("input"))
            c.input = readBoundNumber(value["input"], member(path, "input"));
        if (value.contains("engineering"))
            c.engineering = readBoundNumber(value["engineering"], member(path, "engineering"));
        record.setBoundConstants(off, c);
    }
    record.setOption(fromRegisterBit, fromRegister);
}

void markBoundBytes(const RegisterRecord& record, std::vector<uint8_t>& named) {
    const std::pair<std::size_t, uint8_t> bounds[] = {
        {RegisterRecord::kUpperOff, RegisterRecord::kUpperFromRegister},
        {RegisterRecord::kLowerOff, RegisterRecord::kLowerFromRegister}};
    for (const auto& [off, bit] : bounds) {
        // A register bound names station, type, address and count; constants all 8 bytes.
        const std::size_t n = record.option(bit) ? 5 : 8;
        std::fill_n(named.begin() + std::ptrdiff_t(off), n, uint8_t(0xFF));
    }
}

} // namespace zorv::json
