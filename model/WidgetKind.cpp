#include "model/WidgetKind.h"

namespace zorv {

namespace {

struct KindInfo {
    std::string_view name;
    std::size_t recordSize;
    uint16_t fixedPart;
};

// Indexed by kind code 0..11.
constexpr std::array<KindInfo, 12> kKinds{{
    {"Page", 0, 0},
    {"Led", 24880, 24},
    {"Register", 36, 36},
    {"DynamicText", 1956, 20},
    {"Bar", 28, 28},
    {"Trend", 36, 36},
    {"Menu", 1228, 20},
    {"Password", 12, 12},
    {"Key", 36, 20},
    {"StaticText", 62, 12},
    {"Picture", 12436, 16},
    {"Alarm", 10028, 20},
}};

// The order in which names are compared when a drawing object's kind is looked up.
constexpr std::array<WidgetKind, 12> kLookupOrder{
    WidgetKind::Page,  WidgetKind::StaticText, WidgetKind::DynamicText, WidgetKind::Led,
    WidgetKind::Key,   WidgetKind::Register,   WidgetKind::Picture,     WidgetKind::Bar,
    WidgetKind::Trend, WidgetKind::Menu,       WidgetKind::Password,    WidgetKind::Alarm,
};

bool known(WidgetKind kind) {
    return int32_t(kind) >= 0 && int32_t(kind) <= kWidgetKindCount;
}

} // namespace

WidgetKind kindFromTypeName(std::string_view name) {
    for (WidgetKind kind : kLookupOrder) {
        if (kKinds[std::size_t(kind)].name == name)
            return kind;
    }
    return WidgetKind::None;
}

std::string_view typeName(WidgetKind kind) {
    return known(kind) ? kKinds[std::size_t(kind)].name : std::string_view{};
}

std::size_t recordSize(WidgetKind kind) {
    return known(kind) ? kKinds[std::size_t(kind)].recordSize : 0;
}

uint16_t fixedPartSize(WidgetKind kind) {
    return known(kind) ? kKinds[std::size_t(kind)].fixedPart : 0;
}

} // namespace zorv
