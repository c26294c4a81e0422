#pragma once
// What a download image holds, decoded: the header fields, every page with its widgets, the
// glyphs and the system alarm list. Filled by readImage (sim/ImageReader.h); the panel
// simulator and previews draw from it.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/RegisterRef.h"
#include "model/WidgetKind.h"

namespace zorv::sim {

// One character of a converted text: an ASCII byte, a reference into the glyph table, or a
// byte of 0x80 or more left alone in the last position of a text.
struct ImageChar {
    enum Kind : uint8_t { Ascii, Glyph, LoneByte };
    Kind kind = Ascii;
    uint16_t value = 0; // the byte, or the glyph index
    bool operator==(const ImageChar&) const = default;
};

struct ImageString {
    uint32_t offset = 0;        // of the length byte, page- or section-relative
    std::vector<uint8_t> bytes; // as stored, after the length byte
    std::vector<ImageChar> chars;
};

// A bitmap in the panel's band format: per band of 16 rows, one u16 column word per pixel
// column, bit r = row r of the band.
struct ImageBitmap {
    uint16_t width = 0, height = 0;
    uint32_t offset = 0; // page-relative
    std::vector<uint8_t> bytes;
};

// A level of a dynamic text, an item of a menu or an entry of an alarm list.
struct ImageChoice {
    uint32_t value = 0;  // level value, or the item's value (page index for page-jump menus)
    ImageString text[2]; // language 1 and 2
};

struct ImageWidget {
    WidgetKind kind = WidgetKind::None;
    uint32_t offset = 0, size = 0; // page-relative
    uint16_t x = 0, y = 0;
    std::vector<uint8_t> head; // the fixed head bytes as stored
    std::optional<RegisterRef> reg;

    std::optional<ImageString> symbol;   // lights and keys
    std::vector<ImageBitmap> bitmaps;    // lights: images 1 and 2 (absent when empty); picture
    std::vector<ImageChoice> choices;    // dynamic text levels, menu items, alarm entries
    std::array<uint8_t, 2> textWidths{}; // dynamic text: widest texts in cells
    ImageString text[2];                 // static text
};

struct ImagePage {
    uint32_t offset = 0, size = 0;
    uint16_t number = 0; // the user's page number
    std::array<uint8_t, 20> head{};
    uint16_t upPage = 0, downPage = 0; // page indices
    uint8_t displayLevel = 0;
    std::vector<ImageWidget> widgets;
};

struct ImageAlarmSection {
    uint32_t offset = 0, size = 0;
    std::array<uint8_t, 20> head{};
    std::vector<ImageString> entries[2]; // entry 0 is the no-alarm text
};

struct ImageDescription {
    std::size_t fileSize = 0;
    std::array<uint8_t, 120> header{};
    uint16_t startPage = 0, defaultPage = 0, screenSaverPage = 0, alarmPage = 0;
    uint8_t languages = 0;
    uint32_t asciiFontOffset = 0, glyphTableOffset = 0, alarmSectionOffset = 0;
    std::vector<ImagePage> pages;
    std::vector<std::array<uint8_t, 16>> asciiGlyphs; // codes 0x20 to 0x7E
    std::vector<std::array<uint8_t, 32>> glyphs;
    ImageAlarmSection alarms;
};

} // namespace zorv::sim
