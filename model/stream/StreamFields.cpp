// The text slots, symbol texts, picture names and bitmaps of the project stream.
#include "model/stream/StreamFields.h"

#include "model/records/LedRecord.h"

namespace zorv::streamparts {

namespace {
constexpr std::size_t kMaxPictureName = kPictureNameSize - 1;
} // namespace

void writeSlot(ByteWriter& w, std::span<const uint8_t> text) {
    w.u8(uint8_t(text.size()));
    w.bytes(text);
}

void writeSlot(ByteWriter& w, const TextSlot& text) {
    writeSlot(w, std::span<const uint8_t>(text.data.data(), text.length));
}

bool readSlot(ByteReader& r, TextSlot& slot) {
    const uint8_t n = r.u8();
    if (n > TextSlot::kCapacity) {
        r.fail();
        return false;
    }
    slot = TextSlot::fromBytes(r.take(n));
    return r.ok();
}

void readCutSlot(ByteReader& r, TextSlot& slot) {
    const uint8_t n = r.u8();
    slot = TextSlot::fromBytes(r.take(n));
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

void writeName(ByteWriter& w, const std::string& name) {
    w.u32(uint32_t(name.size()));
    w.bytes(std::span(reinterpret_cast<const uint8_t*>(name.data()), name.size()));
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

void writeBitmap(ByteWriter& w, std::span<const uint8_t> bitmap) {
    w.u32(uint32_t(bitmap.size()));
    w.bytes(bitmap);
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

} // namespace zorv::streamparts
