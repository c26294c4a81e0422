#include "cli/json/JsonValues.h"

#include <algorithm>

#include "model/RegisterName.h"
#include "platform/CodePageText.h"

namespace zorv::json {

void fail(const std::string& path, const std::string& message) {
    throw ImportFailure{path.empty() ? message : path + ": " + message};
}

std::string hexString(std::span<const uint8_t> bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string s;
    s.reserve(bytes.size() * 2);
    for (uint8_t b : bytes) {
        s.push_back(kDigits[b >> 4]);
        s.push_back(kDigits[b & 15]);
    }
    return s;
}

namespace {
int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}
bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
} // namespace

std::vector<uint8_t> readHex(const Json& value, const std::string& path) {
    const std::string& s = readString(value, path);
    std::vector<uint8_t> bytes;
    for (std::size_t i = 0; i < s.size();) {
        if (isSpace(s[i])) {
            ++i;
            continue;
        }
        const int hi = hexDigit(s[i]);
        const int lo = i + 1 < s.size() ? hexDigit(s[i + 1]) : -1;
        if (hi < 0 || lo < 0)
            fail(path, "not hexadecimal bytes (two digits 0-9, A-F per byte)");
        bytes.push_back(uint8_t(hi * 16 + lo));
        i += 2;
    }
    return bytes;
}

namespace {
const char* typeName(const Json& v) {
    if (v.is_number_integer())
        return "an integer";
    return v.type_name();
}
} // namespace

const Json& readObject(const Json& value, const std::string& path) {
    if (!value.is_object())
        fail(path, std::string("expected an object, found ") + typeName(value));
    return value;
}

const Json& readArray(const Json& value, const std::string& path, std::size_t maxItems) {
    if (!value.is_array())
        fail(path, std::string("expected an array, found ") + typeName(value));
    if (value.size() > maxItems)
        fail(path, "more than " + std::to_string(maxItems) + " items");
    return value;
}

int64_t readInteger(const Json& value, const std::string& path, int64_t lo, int64_t hi) {
    const std::string range = " (" + std::to_string(lo) + ".." + std::to_string(hi) + ")";
    if (!value.is_number_integer())
        fail(path, std::string("expected an integer") + range + ", found " + typeName(value));
    if (value.is_number_unsigned()) {
        const uint64_t u = value.get<uint64_t>();
        if (u > uint64_t(INT64_MAX) || int64_t(u) > hi)
            fail(path, "value " + std::to_string(u) + " out of range" + range);
        return int64_t(u);
    }
    const int64_t v = value.get<int64_t>();
    if (v < lo || v > hi)
        fail(path, "value " + std::to_string(v) + " out of range" + range);
    return v;
}

bool readBool(const Json& value, const std::string& path) {
    if (!value.is_boolean())
        fail(path, std::string("expected true or false, found ") + typeName(value));
    return value.get<bool>();
}

const std::string& readString(const Json& value, const std::string& path) {
    if (!value.is_string())
        fail(path, std::string("expected a string, found ") + typeName(value));
    return value.get_ref<const std::string&>();
}

void checkKnownKeys(const Json& object, const std::string& path,
                    const std::vector<std::string_view>& known) {
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (std::find(known.begin(), known.end(), it.key()) == known.end())
            fail(member(path, it.key()), "unknown field");
    }
}

void checkKnownKeys(const Json& object, const std::string& path,
                    std::initializer_list<std::string_view> known) {
    checkKnownKeys(object, path, std::vector<std::string_view>(known));
}

Json textValue(std::string_view bytes) {
    if (auto text = codePageToUtf8(bytes))
        return *text;
    auto raw = std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    return Json{{"bytes", hexString(raw)}};
}

std::string readText(const Json& value, const std::string& path, std::size_t maxBytes,
                     bool allowZero) {
    std::string bytes;
    if (value.is_object()) {
        checkKnownKeys(value, path, {"bytes"});
        if (!value.contains("bytes"))
            fail(path, "a text object needs \"bytes\"");
        auto raw = readHex(value["bytes"], member(path, "bytes"));
        bytes.assign(raw.begin(), raw.end());
    } else if (value.is_string()) {
        auto converted = utf8ToCodePage(value.get_ref<const std::string&>());
        if (!converted)
            fail(path, "text holds a character that GB2312 has no code for");
        bytes = std::move(*converted);
    } else {
        fail(path, std::string("expected a text (a string or {\"bytes\": hex}), found ") +
                       typeName(value));
    }
    if (bytes.size() > maxBytes)
        fail(path, "text longer than " + std::to_string(maxBytes) + " bytes");
    if (!allowZero && bytes.find('\0') != std::string::npos)
        fail(path, "text holds a zero byte");
    return bytes;
}

Json registerValue(uint8_t type, uint16_t address) {
    if (isRegisterTypeCode(type) && address <= maxAddress(type))
        return registerName(type, address);
    return Json{{"type", type}, {"address", address}};
}

namespace {
RegisterValue readRegisterName(const std::string& s, const std::string& path) {
    const std::string quoted = "\"" + s + "\"";
    RegisterValue r;
    const RegisterNameFault fault = parseRegisterName(s, r.type, r.address);
    if (fault == RegisterNameFault::NoFamily)
        fail(path, "bad register " + quoted + " (expected D, M, X or Y and an address)");
    const uint8_t code = uint8_t(*registerTypeFromLetter(s[0]));
    if (fault == RegisterNameFault::BadDigit)
        fail(path, "bad register " + quoted +
                       (isOctalAddressType(code) ? " (X and Y addresses are octal)"
                                                 : " (decimal address)"));
    if (fault == RegisterNameFault::OutOfRange)
        fail(path, "register " + quoted + " out of range (" + s.substr(0, 1) +
                       formatAddress(code, 0) + ".." + s.substr(0, 1) +
                       formatAddress(code, maxAddress(code)) + ")");
    return r;
}
} // namespace

RegisterValue readRegister(const Json& value, const std::string& path) {
    if (value.is_string())
        return readRegisterName(value.get_ref<const std::string&>(), path);
    if (!value.is_object())
        fail(path, std::string("expected a register such as \"D100\", found ") + typeName(value));
    checkKnownKeys(value, path, {"type", "address"});
    if (!value.contains("type") || !value.contains("address"))
        fail(path, "a register object needs \"type\" and \"address\"");
    RegisterValue r;
    r.type = uint8_t(readInteger(value["type"], member(path, "type"), 0, 255));
    r.address = uint16_t(readInteger(value["address"], member(path, "address"), 0, 65535));
    return r;
}

} // namespace zorv::json
