#include "cli/json/RecordFields.h"

#include <bit>
#include <cassert>

namespace zorv::json {

namespace {

uint32_t widthMask(unsigned width) {
    return width >= 4 ? 0xFFFFFFFFu : (1u << (8 * width)) - 1;
}

// The bits of the field's value within its bytes.
uint32_t valueMask(const Field& f) {
    return f.mask & widthMask(f.width);
}

uint32_t loadRaw(std::span<const uint8_t> r, const Field& f) {
    uint32_t v = 0;
    for (unsigned i = 0; i < f.width; ++i) {
        const unsigned byte = f.bigEndian ? f.width - 1 - i : i;
        v |= uint32_t(r[f.offset + i]) << (8 * byte);
    }
    return v;
}

void storeRaw(std::span<uint8_t> r, const Field& f, uint32_t v) {
    for (unsigned i = 0; i < f.width; ++i) {
        const unsigned byte = f.bigEndian ? f.width - 1 - i : i;
        r[f.offset + i] = uint8_t(v >> (8 * byte));
    }
}

unsigned shiftOf(const Field& f) {
    return unsigned(std::countr_zero(valueMask(f)));
}

uint32_t bitsOf(std::span<const uint8_t> r, const Field& f) {
    return (loadRaw(r, f) & valueMask(f)) >> shiftOf(f);
}

void setBits(std::span<uint8_t> r, const Field& f, uint32_t v) {
    const uint32_t m = valueMask(f);
    storeRaw(r, f, (loadRaw(r, f) & ~m) | ((v << shiftOf(f)) & m));
}

Json fieldValue(std::span<const uint8_t> r, const Field& f) {
    switch (f.type) {
    case FieldType::Number:
        return bitsOf(r, f);
    case FieldType::Signed:
        return int32_t(loadRaw(r, f));
    case FieldType::Flag:
        return (loadRaw(r, f) & valueMask(f)) != 0;
    case FieldType::FlagValue: {
        const uint32_t v = loadRaw(r, f);
        return v <= 1 ? Json(v == 1) : Json(v);
    }
    case FieldType::Choice: {
        const uint32_t v = bitsOf(r, f);
        for (const ChoiceName& n : f.names) {
            if (n.value == v)
                return n.name;
        }
        return v;
    }
    case FieldType::Register:
        return registerValue(r[f.offset], uint16_t(r[f.offset2] | (r[f.offset2 + 1] << 8)));
    case FieldType::Scale: {
        const uint32_t v = loadRaw(r, f);
        if ((r[f.offset2] & f.mask2) == 0)
            return v;
        return f.width == 2 ? Json(int16_t(v)) : Json(int32_t(v));
    }
    case FieldType::Bytes:
        return hexString(r.subspan(f.offset, f.width));
    case FieldType::Covered:
        break;
    }
    return nullptr;
}

std::string choiceList(const Field& f) {
    std::string list;
    for (const ChoiceName& n : f.names)
        list += (list.empty() ? "" : ", ") + std::string(n.name);
    return list;
}

void readField(const Json& v, const std::string& path, const Field& f, std::span<uint8_t> r) {
    const int64_t maxRaw = int64_t(widthMask(f.width));
    switch (f.type) {
    case FieldType::Number:
        setBits(r, f, uint32_t(readInteger(v, path, 0, valueMask(f) >> shiftOf(f))));
        return;
    case FieldType::Signed:
        storeRaw(r, f, uint32_t(int32_t(readInteger(v, path, INT32_MIN, INT32_MAX))));
        return;
    case FieldType::Flag: {
        const uint32_t raw = loadRaw(r, f);
        storeRaw(r, f, readBool(v, path) ? raw | valueMask(f) : raw & ~valueMask(f));
        return;
    }
    case FieldType::FlagValue:
        storeRaw(r, f,
                 v.is_boolean() ? uint32_t(v.get<bool>())
                                : uint32_t(readInteger(v, path, 0, maxRaw)));
        return;
    case FieldType::Choice:
        if (v.is_string()) {
            for (const ChoiceName& n : f.names) {
                if (v.get_ref<const std::string&>() == n.name) {
                    setBits(r, f, n.value);
                    return;
                }
            }
            fail(path, "unknown value \"" + v.get<std::string>() + "\" (one of " + choiceList(f) +
                           ", or a number)");
        }
        setBits(r, f, uint32_t(readInteger(v, path, 0, valueMask(f) >> shiftOf(f))));
        return;
    case FieldType::Register: {
        const RegisterValue reg = readRegister(v, path);
        r[f.offset] = reg.type;
        r[f.offset2] = uint8_t(reg.address);
        r[f.offset2 + 1] = uint8_t(reg.address >> 8);
        return;
    }
    case FieldType::Scale:
        // Negative numbers and numbers above the signed range keep the same bits.
        storeRaw(r, f, uint32_t(readInteger(v, path, -(maxRaw + 1) / 2, maxRaw)));
        return;
    case FieldType::Bytes: {
        const auto bytes = readHex(v, path);
        if (bytes.size() != f.width)
            fail(path, "expected " + std::to_string(f.width) + " bytes, found " +
                           std::to_string(bytes.size()));
        std::copy(bytes.begin(), bytes.end(), r.begin() + f.offset);
        return;
    }
    case FieldType::Covered:
        return;
    }
}

} // namespace

std::vector<uint8_t> namedBits(const RecordLayout& layout) {
    std::vector<uint8_t> named(layout.storedSize, 0);
    auto mark = [&](std::size_t off, uint8_t bits) {
        assert(off < named.size());
        named[off] |= bits;
    };
    for (const Field& f : layout.fields) {
        switch (f.type) {
        case FieldType::Register:
            mark(f.offset, 0xFF);
            mark(f.offset2, 0xFF);
            mark(f.offset2 + 1, 0xFF);
            break;
        case FieldType::Bytes:
        case FieldType::Covered:
            if (f.width > 4) {
                for (unsigned i = 0; i < f.width; ++i)
                    mark(f.offset + i, 0xFF);
                break;
            }
            [[fallthrough]];
        default:
            for (unsigned i = 0; i < f.width; ++i) {
                const unsigned byte = f.bigEndian ? f.width - 1 - i : i;
                mark(f.offset + i, uint8_t(valueMask(f) >> (8 * byte)));
            }
        }
    }
    return named;
}

void writeFields(const RecordLayout& layout, std::span<const uint8_t> record,
                 std::span<const uint8_t> fresh, Json& out) {
    for (const Field& f : layout.fields) {
        if (f.type == FieldType::Covered)
            continue;
        Json value = fieldValue(record, f);
        if (f.quiet && value == fieldValue(fresh, f))
            continue;
        out[f.name] = std::move(value);
    }
}

void readFields(const RecordLayout& layout, const Json& in, const std::string& path,
                std::span<uint8_t> record) {
    for (const Field& f : layout.fields) {
        if (f.type != FieldType::Covered && in.contains(f.name))
            readField(in[f.name], member(path, f.name), f, record);
    }
}

void addFieldNames(const RecordLayout& layout, std::vector<std::string_view>& names) {
    for (const Field& f : layout.fields) {
        if (f.type != FieldType::Covered)
            names.push_back(f.name);
    }
}

Json reservedValue(std::span<const uint8_t> record, std::span<const uint8_t> named) {
    Json out = Json::object();
    std::size_t i = 0;
    while (i < named.size()) {
        if ((record[i] & ~named[i]) == 0) {
            ++i;
            continue;
        }
        const std::size_t start = i;
        std::vector<uint8_t> run;
        for (; i < named.size() && (record[i] & ~named[i]) != 0; ++i)
            run.push_back(uint8_t(record[i] & ~named[i]));
        out[std::to_string(start)] = hexString(run);
    }
    return out.empty() ? Json() : out;
}

void readReserved(const Json& in, const std::string& path, std::span<const uint8_t> named,
                  std::span<uint8_t> record) {
    readObject(in, path);
    for (auto it = in.begin(); it != in.end(); ++it) {
        const std::string& key = it.key();
        const std::string where = member(path, key);
        std::size_t offset = 0;
        if (key.empty() || key.size() > 6 || key.find_first_not_of("0123456789") != key.npos)
            fail(where, "a reserved offset is a decimal number");
        offset = std::stoul(key);
        const auto bytes = readHex(it.value(), where);
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            const std::size_t at = offset + i;
            if (at >= named.size())
                fail(where, "byte " + std::to_string(at) + " lies outside the " +
                                std::to_string(named.size()) + " stored bytes");
            if ((bytes[i] & named[at]) != 0)
                fail(where, "byte " + std::to_string(at) + " overlaps a named field");
            record[at] |= bytes[i];
        }
    }
}

} // namespace zorv::json
