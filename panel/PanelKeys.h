#pragma once
// The panel's keys by their key codes, and the names the key pane gives them.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace zorv::panel {

enum class Key : uint8_t {
    D0 = 0,
    D1,
    D2,
    D3,
    D4,
    D5,
    D6,
    D7,
    D8,
    D9,
    F1 = 10,
    F2 = 11,
    F3 = 12,
    F4 = 13,
    PlusMinus = 17,
    Esc = 18,
    Down = 20,
    Up = 21,
    Left = 22,
    Right = 23,
    Set = 24,
    Enter = 25,
    Clr = 26,
    Run = 27,
    Stop = 28,
};

// "F1", "UP", "ENT", "+/-", "0" ...
std::string_view keyName(Key key);
// The key of a name, in any case; nothing for an unknown name.
std::optional<Key> keyFromName(std::string_view name);
// The key of a record's key code; nothing for a code no key has.
std::optional<Key> keyFromCode(uint8_t code);
// Every key in the order of the key pane's list.
std::span<const Key> allKeys();

inline bool isDigit(Key key) {
    return uint8_t(key) <= 9;
}
inline int digitOf(Key key) {
    return int(uint8_t(key));
}

} // namespace zorv::panel
