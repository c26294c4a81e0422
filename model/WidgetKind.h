#pragma once
// Kind codes of the widgets with their type names and sizes.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zorv {

enum class WidgetKind : int32_t {
    None = -1,
    Page = 0,
    Led = 1,
    Register = 2,
    DynamicText = 3,
    Bar = 4,
    Trend = 5,
    Menu = 6,
    Password = 7,
    Key = 8,
    StaticText = 9,
    Picture = 10,
    Alarm = 11,
};

constexpr int kWidgetKindCount = 11; // kinds 1..11 carry records

constexpr bool isWidgetKind(int32_t code) {
    return code >= 1 && code <= kWidgetKindCount;
}

// The kind of a drawing object's name, by exact, case-sensitive comparison; other names: None.
WidgetKind kindFromTypeName(std::string_view name);
// "Led", "Register", ...; "Page" for 0, "" for codes without a kind.
std::string_view typeName(WidgetKind kind);
// Record size in memory, and the fixed part this version writes to the project file.
std::size_t recordSize(WidgetKind kind);
uint16_t fixedPartSize(WidgetKind kind);

} // namespace zorv
