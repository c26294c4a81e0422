#pragma once
// The editing view's arithmetic and texts, free of any window: where a new widget lands, where
// a dragged widget snaps, whether a nudge may go, and the texts of the page tree and the page
// commands. Coordinates are view units (two per display pixel).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/CHCData.h"
#include "oonedraw/Geometry.h"

namespace zorv {

namespace viewmsg {
inline constexpr const char* kDeleteWithSub = "Do not allow the deletion of a page containing Sub!";
inline constexpr const char* kDeleteLastPage = "Can't delete the last page!";
inline constexpr const char* kPageNumberRange = "Please enter an integer between 0 and 65535.";
} // namespace viewmsg

inline constexpr int kMaxPageNumber = 65535;

struct Extent {
    int32_t width = 0;
    int32_t height = 0;
};

// The room a new widget of the tool takes; a picture takes twice its bitmap's pixel size.
// Nothing for a tool that places no widget.
std::optional<Extent> placementExtent(std::string_view tool, Extent pictureSize);
// The press point moved left and up so that the extent stays within the display's right and
// bottom edges.
oonedraw::GPoint shiftInward(oonedraw::GPoint press, Extent extent,
                             const oonedraw::GIntRect& display);
// The top-left corner of a dragged object: the pointer less the grab offset, kept right of and
// below the display's corner and snapped to steps of 2 x `snapStep` from it, then pulled back
// (unsnapped) so that the object's size stays within the right and bottom edges.
oonedraw::GPoint snappedTopLeft(int32_t pointerX, int32_t pointerY, int32_t grabX, int32_t grabY,
                                Extent size, const oonedraw::GIntRect& display, int32_t snapStep);

enum class Nudge { Left, Right, Up, Down };
// The move of one display pixel toward the side, or nothing when the object already reaches
// that edge. Position and size are truncated to whole units.
std::optional<oonedraw::GPoint> nudgeStep(Nudge side, oonedraw::GPoint topLeft, Extent size,
                                          const oonedraw::GIntRect& display);
// The display pixel of a view point: (x - left) / 2, (y - top) / 2, truncated.
oonedraw::GPoint displayPixelOf(oonedraw::GPoint viewPoint, const oonedraw::GIntRect& display);

// The code-page bytes of a page description typed as UTF-8, cut to what a page keeps without
// splitting a double-byte character; nothing when a character has no code, which the page pane
// and New Page refuse with this message.
inline constexpr const char* kDescriptionNotGb2312Message =
    "The page description holds a character that GB2312 cannot encode.";
std::optional<std::string> pageDescriptionBytes(std::string_view utf8);
// "Page %d  - %s", or "Page %d" for an empty description (code-page bytes kept as they are).
std::string pageItemText(int number, std::string_view description);
// The question asked before placing a page on a number that exists.
std::string pageExistsQuestion(int number, PlaceMode mode);
std::string deletePageQuestion(int number);
std::string copyPageLabel(int number);
// The number proposed by New Page and Copy Page: the selected page's number + 1, 0 without one.
int proposedPageNumber(std::optional<int> selectedNumber);

} // namespace zorv
