#pragma once
// The data of one widget in the project stream, kind by kind: its fixed part, then what each
// kind keeps after it (symbol texts, picture names and bitmaps, state and item tables, texts).

#include <vector>

#include "model/ByteReader.h"
#include "model/WidgetNode.h"

namespace zorv::streamparts {

// The widget's id and kind, then its data.
void writeWidget(ByteWriter& w, const WidgetNode& node);

// The data of a widget whose kind `node` holds, after the fixed-part sizes `sizes` (by kind) it
// was written with. A fixed part beyond the fields the variable part fills is refused.
bool readWidgetData(ByteReader& r, WidgetNode& node, const std::vector<uint16_t>& sizes);

} // namespace zorv::streamparts
