#pragma once
// The named fields of a fixed byte record as the JSON form shows them: one table per record
// layout, read by one generic writer and reader. Every stored byte that no field names is
// kept in a "reserved" map of offset to bytes, written only where it is not zero.

#include <span>
#include <vector>

#include "cli/json/JsonValues.h"

namespace zorv::json {

enum class FieldType : uint8_t {
    Number,    // an unsigned integer in the bits `mask` of a 1-, 2- or 4-byte value
    Signed,    // a signed 32-bit integer
    Flag,      // true when the bit `mask` is set
    FlagValue, // true or false for a value of 1 or 0; any other value as a number
    Choice,    // a named value in the bits `mask`; a value without a name as a number
    Register,  // the type code at `offset`, the u16 address at `offset2`
    Scale,     // a 16- or 32-bit number, signed when bit `mask2` of byte `offset2` is set
    Bytes,     // `width` bytes as hexadecimal
    Covered,   // bytes refreshed on saving or shown by another part of the form
};

struct ChoiceName {
    uint32_t value;
    const char* name;
};

struct Field {
    const char* name;
    FieldType type;
    uint16_t offset;
    uint8_t width; // bytes of the value (Bytes, Covered: the field's length)
    uint32_t mask = 0xFFFFFFFF;
    uint16_t offset2 = 0;
    uint8_t mask2 = 0;
    std::span<const ChoiceName> names{};
    bool bigEndian = false;
    // Shown only when it differs from the value of a new record.
    bool quiet = false;
};

// A record layout: the bytes the project file stores from offset 0 and their named fields.
struct RecordLayout {
    std::size_t storedSize;
    std::span<const Field> fields;
};

// Which bits of the stored bytes the fields name.
std::vector<uint8_t> namedBits(const RecordLayout& layout);

// Adds every field of `record` to `out` (quiet fields only when they differ from `fresh`).
void writeFields(const RecordLayout& layout, std::span<const uint8_t> record,
                 std::span<const uint8_t> fresh, Json& out);
// Sets the fields that `in` names; the others keep the record's values.
void readFields(const RecordLayout& layout, const Json& in, const std::string& path,
                std::span<uint8_t> record);
void addFieldNames(const RecordLayout& layout, std::vector<std::string_view>& names);

// The unnamed bits of the stored bytes as {"offset": "hex"}, runs of bytes that are not zero;
// null when all are zero.
Json reservedValue(std::span<const uint8_t> record, std::span<const uint8_t> named);
// ORs a reserved map into the record; fails on bytes outside the stored part or bits that a
// field names.
void readReserved(const Json& in, const std::string& path, std::span<const uint8_t> named,
                  std::span<uint8_t> record);

} // namespace zorv::json
