#pragma once
// Every text the panel shows, in a fixed order: the pages in number order with their widgets in
// list order (a static text, the states of a dynamic text, the items of a menu, the entries of
// an alarm list), then the system alarm list. Each text has an id that stays the same while the
// page keeps its number and the widget its id: "P3.W12" for a static text, "P3.W12.S1" for
// state 1, ".I1" for menu item 1, ".A0" for the no-alarm entry of an alarm list, "SYS.A5" for
// alarm 5 of the system list.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "model/CHCData.h"

namespace zorv {

// Where a text lives: a widget's own text, one entry of its table, or an entry of the system
// alarm list (no page).
struct TextPlace {
    std::optional<uint16_t> page;
    int32_t widget = 0;
    int entry = -1; // -1: a static text's own text
    bool operator==(const TextPlace&) const = default;
};

struct TextEntry {
    std::string id;
    TextPlace place;
    std::array<TextSlot, 2> text;
    int maxBytes = int(TextSlot::kCapacity);
    int maxCells = 0;            // cells of 8 pixels from the widget to the display's right edge
    std::string pageDescription; // UTF-8
    std::string widget;          // the type name, or "SystemAlarmList"
    std::string part;            // "state 2", "item 1", "alarm 3", "no-alarm entry" or ""
    int x = 0, y = 0;
};

std::vector<TextEntry> textInventory(const CHCData& project);

// The UTF-8 form of a stored text in a translation file: bytes that are no GB2312 text and
// control characters (which XML cannot carry) are written as U+FFFD, so such a text comes back
// unchanged unless the translator replaces it.
std::string fileTextOf(const TextSlot& text);

// Stores one text; a table's width fields follow its widest text as the property dialogs keep
// them. False when the place names no such text.
bool setTextAt(CHCData& project, const TextPlace& place, int language, const TextSlot& text);

} // namespace zorv
