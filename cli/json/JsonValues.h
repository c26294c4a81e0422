#pragma once
// The value forms of the JSON project form shared by its writer and reader: hexadecimal
// bytes, texts, registers, checked integers, and the field path that every import error names.

#include <cstdint>
#include <initializer_list>
#include <nlohmann/json.hpp>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zorv::json {

// Objects keep their keys in the order written, so the form reads like the record layout.
using Json = nlohmann::ordered_json;

// Thrown inside the reader only; importProjectJson turns it into "<path>: <message>".
struct ImportFailure {
    std::string text;
};
[[noreturn]] void fail(const std::string& path, const std::string& message);

inline std::string member(const std::string& path, std::string_view name) {
    return path.empty() ? std::string(name) : path + "." + std::string(name);
}
inline std::string element(const std::string& path, std::size_t index) {
    return path + "[" + std::to_string(index) + "]";
}

// "FF1A00": two upper-case digits per byte.
std::string hexString(std::span<const uint8_t> bytes);
// Two digits per byte, either case; white space may stand between bytes.
std::vector<uint8_t> readHex(const Json& value, const std::string& path);

// Values of one type, checked; the failure names the path.
const Json& readObject(const Json& value, const std::string& path);
const Json& readArray(const Json& value, const std::string& path, std::size_t maxItems);
int64_t readInteger(const Json& value, const std::string& path, int64_t lo, int64_t hi);
bool readBool(const Json& value, const std::string& path);
const std::string& readString(const Json& value, const std::string& path);
// Fails on the first key of `object` that is not among `known`.
void checkKnownKeys(const Json& object, const std::string& path,
                    std::initializer_list<std::string_view> known);
void checkKnownKeys(const Json& object, const std::string& path,
                    const std::vector<std::string_view>& known);

// A text of code-page bytes: a JSON string when the bytes are a GB2312 text, else
// {"bytes": "hex"}; "&XY" escapes are plain ASCII and stay as typed.
Json textValue(std::string_view bytes);
// The code-page bytes of a text value; fails when the text has more than `maxBytes` bytes, a
// character outside GB2312, or (with `allowZero` false) a zero byte.
std::string readText(const Json& value, const std::string& path, std::size_t maxBytes,
                     bool allowZero = true);

// A register as the dialogs show it ("D100", "X17": X and Y in octal) when its type is known
// and its address within the type's range, else {"type": code, "address": n}.
Json registerValue(uint8_t type, uint16_t address);
struct RegisterValue {
    uint8_t type = 0;
    uint16_t address = 0;
};
RegisterValue readRegister(const Json& value, const std::string& path);

} // namespace zorv::json
