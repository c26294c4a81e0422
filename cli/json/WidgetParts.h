#pragma once
// The parts of the JSON form that are not plain record fields: texts held in slots, bitmaps as
// hexadecimal rows, the state and item tables, and the bounds of register widgets.

#include "cli/json/JsonValues.h"
#include "model/WidgetRecords.h"

namespace zorv::json {

// Bitmap data as hexadecimal rows in stored order (bottom row first), one row of
// ((width + 31) / 32) * 4 bytes per string; the last row may be shorter.
Json bitmapRows(std::span<const uint8_t> bitmap, uint16_t width);
// The concatenated rows, at most 12288 bytes.
std::vector<uint8_t> readBitmapRows(const Json& value, const std::string& path);

Json slotText(const TextSlot& text);
TextSlot readSlotText(const Json& value, const std::string& path);

// The used entries of a dynamic text's states or a menu's items: {"value", "text1", "text2"}.
// The project file keeps `valueBytes` bytes of each value: 2 for states; for items two per
// register word, of which at most 4 carry the value.
template <class R> Json choiceEntries(const R& record, int valueBytes);
// Replaces the entry table by the entries of `value` and recomputes the width fields.
template <class R>
void readChoiceEntries(const Json& value, const std::string& path, int valueBytes, R& record);
inline int menuValueBytes(const MenuRecord& r) {
    return std::min(2 * r.registerLength(), 4);
}

// A register widget's input bound at `off`: {"station", "register", "count"} when its
// from-register bit is set, else {"input", "engineering"} (signed when the widget is signed).
Json registerBound(const RegisterRecord& record, std::size_t off, uint8_t fromRegisterBit);
void readRegisterBound(const Json& value, const std::string& path, std::size_t off,
                       uint8_t fromRegisterBit, RegisterRecord& record);
// Marks the bound bytes that the bound objects name (three bytes of a register bound stay
// reserved).
void markBoundBytes(const RegisterRecord& record, std::vector<uint8_t>& named);

} // namespace zorv::json
