#pragma once
// Pages reused: a set of pages copied several times, each copy with its registers shifted per
// family and its page numbers moved by an offset (one station's pages made into four stations'
// pages), and the pages of a template inserted into a project. Jumps between pages of the set
// follow the copies; jumps out of the set stay as they were.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "model/CHCData.h"
#include "model/PageTemplate.h"

namespace zorv {

// Copy k (from 1) moves every register of the family `k * offset` places.
struct RegisterShift {
    uint8_t type = 0;
    int32_t offset = 0;
};

struct PageCopyRequest {
    std::vector<uint16_t> pages; // the set
    int copies = 1;
    int32_t pageOffset = 1; // copy k of page p is page p + k * pageOffset
    std::vector<RegisterShift> shifts;
};

// Adds the copies; `made` lists their numbers in order. False, with the reason and the project
// left as it was, when a page of the set is missing, a copy's number is taken or leaves 0 to
// 65535, or a shifted register leaves its family's range.
bool copyPageSet(CHCData& project, const PageCopyRequest& request, std::vector<uint16_t>& made,
                 std::string& message);

// "11, 12, 14-16": page numbers and runs of them, separated by commas or blanks, in ascending
// order without repeats. False, with the reason, for anything else or a number above 65535.
bool parsePageList(std::string_view text, std::vector<uint16_t>& pages, std::string& message);

// Inserts the template's pages: a page whose number is taken moves to the first free number
// above it (or, when there is none, below it), with the jumps of the set following; each
// picture is written into the project's picture folder under a name that is free there and the
// records follow it. `placed` lists the pages' new numbers in the template's order. False, with
// the reason and nothing changed, when the project has too few free page numbers or a picture
// can not be written.
bool insertPageTemplate(CHCData& project, const PageTemplate& pages,
                        const std::filesystem::path& projectFolder, std::vector<uint16_t>& placed,
                        std::string& message);

} // namespace zorv
