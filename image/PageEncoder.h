#pragma once
// A page record of the image: the page head, the offsets of the widget records and the
// records, in the panel's widget order.

#include <cstdint>
#include <string>
#include <vector>

#include "image/WidgetEncoder.h"
#include "model/CPage.h"

namespace zorv {

// The panel's order: by kind (lights first, alarm lists last), keeping the list order within a
// kind, and registers line by line in 16-pixel text lines, left to right within a line.
void orderWidgetsForImage(std::vector<WidgetNode>& widgets);

// Appends the record of `page`, whose widgets are in image order and whose texts, symbols and
// page references are converted; `number` is the page's own number, for messages. False, with
// a message, for a page the image cannot address: more than 255 widgets, more than 65535 bytes
// or a picture it refuses.
bool encodePage(const CPage& page, int number, EncodeCounters& counters, std::vector<uint8_t>& out,
                std::string& message);

} // namespace zorv
