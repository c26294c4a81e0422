#include "panel/PanelKeys.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace zorv::panel {

namespace {

struct KeyEntry {
    Key key;
    std::string_view name;
};

constexpr std::array<KeyEntry, 25> kKeys{{
    {Key::Esc, "ESC"},   {Key::Set, "SET"},       {Key::Down, "DOWN"}, {Key::Up, "UP"},
    {Key::Left, "LEFT"}, {Key::Right, "RIGHT"},   {Key::Enter, "ENT"}, {Key::D0, "0"},
    {Key::D1, "1"},      {Key::D2, "2"},          {Key::D3, "3"},      {Key::D4, "4"},
    {Key::D5, "5"},      {Key::D6, "6"},          {Key::D7, "7"},      {Key::D8, "8"},
    {Key::D9, "9"},      {Key::PlusMinus, "+/-"}, {Key::Clr, "CLR"},   {Key::Run, "RUN"},
    {Key::Stop, "STOP"}, {Key::F1, "F1"},         {Key::F2, "F2"},     {Key::F3, "F3"},
    {Key::F4, "F4"},
}};

const std::array<Key, kKeys.size()> kOrder = [] {
    std::array<Key, kKeys.size()> keys{};
    for (std::size_t i = 0; i < keys.size(); ++i)
        keys[i] = kKeys[i].key;
    return keys;
}();

} // namespace

std::string_view keyName(Key key) {
    for (const auto& e : kKeys)
        if (e.key == key)
            return e.name;
    return "?";
}

std::optional<Key> keyFromName(std::string_view name) {
    for (const auto& e : kKeys) {
        if (e.name.size() != name.size())
            continue;
        if (std::equal(name.begin(), name.end(), e.name.begin(),
                       [](char a, char b) { return std::toupper(uint8_t(a)) == b; }))
            return e.key;
    }
    return std::nullopt;
}

std::optional<Key> keyFromCode(uint8_t code) {
    for (const auto& e : kKeys)
        if (uint8_t(e.key) == code)
            return e.key;
    return std::nullopt;
}

std::span<const Key> allKeys() {
    return kOrder;
}

} // namespace zorv::panel
