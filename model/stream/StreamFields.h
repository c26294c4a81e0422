#pragma once
// The fields that several parts of the project stream are made of: fixed parts, text slots with
// their length byte, symbol texts, picture names and bitmaps with their byte counts.

#include <span>
#include <string>

#include "model/ByteReader.h"
#include "model/TextSlot.h"

namespace zorv::streamparts {

// The first n bytes of a record, as the fixed part of its kind.
template <class R> void writeHead(ByteWriter& w, const R& r, std::size_t n) {
    w.bytes(r.span(0, n));
}
template <class R> bool readFixed(ByteReader& r, R& rec, std::size_t n) {
    return r.read(rec.span(0, n));
}

// A length byte and that many text bytes.
void writeSlot(ByteWriter& w, std::span<const uint8_t> text);
void writeSlot(ByteWriter& w, const TextSlot& text);
// Reads a length byte and that many text bytes into a slot; texts over 24 bytes are refused.
bool readSlot(ByteReader& r, TextSlot& slot);
// Reads a length byte and keeps at most 24 text bytes. A longer text is taken whole, since its
// writer put all its bytes in the stream: reading only 24 of them would read the rest as the
// next fields.
void readCutSlot(ByteReader& r, TextSlot& slot);

// The symbol text of a light or key into its length byte and the text bytes after it.
bool readSymbolText(ByteReader& r, std::span<uint8_t> lengthAndText);

// A picture file name after its u32 length; names over 127 bytes are refused.
void writeName(ByteWriter& w, const std::string& name);
bool readName(ByteReader& r, std::string& name);

// Bitmap data after its u32 byte count; more than 12288 bytes are refused.
void writeBitmap(ByteWriter& w, std::span<const uint8_t> bitmap);
bool readBitmap(ByteReader& r, std::span<uint8_t> field, int32_t& count);

} // namespace zorv::streamparts
