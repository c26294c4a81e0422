#pragma once
// Decoding of one widget record of a page, by its kind.

#include "sim/ImageReaderCommon.h"

namespace zorv::sim::detail {

struct WidgetPlace {
    Region page;            // the whole page record
    uint32_t start, end;    // the widget's bytes within the page
    std::size_t position;   // index in the page's writing order
    std::size_t glyphCount; // entries of the image's glyph table
    std::size_t pageCount;
    uint32_t passwordLevels; // header field 108
};

// Values that the encoding carries from one widget to the next.
struct WidgetSequence {
    uint32_t menus = 0;    // menus read so far in the image
    uint32_t trendSum = 0; // sum of (dot pitch + 1) of the page's trend charts so far
    int32_t lastKind = 0;  // kind of the previous widget on the page
    uint32_t lastRegisterKey = 0;
};

bool readWidget(const WidgetPlace& place, WidgetSequence& sequence, ImageWidget& widget,
                ImageFault& fault);

} // namespace zorv::sim::detail
