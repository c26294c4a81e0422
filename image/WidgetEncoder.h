#pragma once
// The image encoding of one widget: its head as held, with the offsets, counters and sequence
// values the panel needs filled in, followed by the widget's strings, tables and bitmaps.

#include <cstdint>
#include <string>
#include <vector>

#include "image/CompilePlace.h"
#include "model/WidgetNode.h"
#include "model/records/AlarmListRecord.h"

namespace zorv {

// Counts that run over the widgets written so far.
struct EncodeCounters {
    uint8_t passwordLevels = 0; // low nibble of the header's number of password levels
    int menus = 0;              // over the whole image
    int position = 0;           // over the page: every widget written
    int trendSequence = 0;      // over the page: (dot pitch + 1) of every trend chart written
};

// Appends the encoding of `node` (converted texts and symbols, page indices already in place)
// placed at page-relative `offset`, and advances the counters. False, with a message naming
// `place`, for a picture larger than the display.
bool encodeWidget(const WidgetNode& node, std::size_t offset, EncodeCounters& counters,
                  const CompilePlace& place, std::vector<uint8_t>& out, std::string& message);

// An alarm list in image form with offsets relative to `base` (the record's page offset; 0 for
// the system alarm list's own section): the head with the entry count less one, then the
// offsets of the entry texts (language 1, then language 2) and the texts.
void appendAlarmList(AlarmListRecord list, std::size_t base, std::vector<uint8_t>& out);

} // namespace zorv
