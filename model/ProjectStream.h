#pragma once
// The plain (deciphered) byte stream of a project file.

#include <cstdint>
#include <span>
#include <vector>

#include "model/CHCData.h"

namespace zorv {

// Appends the plain stream of `project` to `out`: header (signature, format bytes and page
// count refreshed), the fixed-part sizes, every page block, the system alarm list, the trailer.
void writeProjectStream(const CHCData& project, std::vector<uint8_t>& out);
// The plain stream of `project` on its own.
inline std::vector<uint8_t> projectStream(const CHCData& project) {
    std::vector<uint8_t> out;
    writeProjectStream(project, out);
    return out;
}

// Where the reader refused a plain stream, and whether the bytes ended there or held a value
// out of its range (describeStreamFault words it for the user).
struct StreamFault {
    enum class Part { None, Header, Signature, SizeTable, Page, PageNumber, AlarmList, EndMark };
    Part part = Part::None;
    int page = 0;  // the stored page at fault, from 1
    int pages = 0; // the number of stored pages
    bool cutShort = false;
    // PageNumber: the number that two kept pages share, and the stored place of the first of
    // them (`page` is the second).
    int number = 0;
    int earlierPage = 0;
};

// Whether the plain bytes begin with one of the two signatures a project stream starts with (the
// editor's own, or that of a translated older project).
bool beginsWithProjectSignature(std::span<const uint8_t> plain);

// Reads a plain stream into `project`, which is replaced only when the whole stream is sound
// and no two pages kept share a number (the pages come in ascending number order);
// on failure `project` is left as it was, `fault` (when given) says why, and the caller shows
// "File format error, open failed!".
bool readProjectStream(std::span<const uint8_t> stream, CHCData& project,
                       StreamFault* fault = nullptr);

// The widgets alone, as a page block holds them, after the fixed-part sizes they were written
// with: how widgets travel between pages, projects and editor windows.
void writeWidgetStream(std::span<const WidgetNode> widgets, std::vector<uint8_t>& out);
// Reads what writeWidgetStream wrote; `widgets` is replaced only when every byte is sound and
// taken. The bytes come from outside (the clipboard): every length is checked.
bool readWidgetStream(std::span<const uint8_t> stream, std::vector<WidgetNode>& widgets);

} // namespace zorv
