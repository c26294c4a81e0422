#pragma once
// The image refers to pages by their index in ascending number order; only the page number
// table keeps the numbers the user gave them.

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "model/CHCData.h"

namespace zorv {

class PageIndexMap {
public:
    explicit PageIndexMap(const CHCData& project);

    // The index of the page with that number (the first one, should two share it).
    std::optional<uint16_t> indexOf(uint32_t number) const;
    // Page numbers by index: the image's page number table.
    const std::vector<uint16_t>& numbers() const { return numbers_; }

private:
    std::vector<uint16_t> numbers_;
    std::vector<std::pair<uint16_t, uint16_t>> sorted_; // (number, index)
};

// Replaces every page number of the header (start, default, screen-saver and alarm page), of
// the page heads (own number, up and down page) and of the widgets (page-jump menu items,
// password success and failure pages, screen-jump keys) by its page index. A reference to no
// page becomes 0 for the start, default and screen-saver page, 0xFFFF for the alarm page, and
// the index of the page itself in pages and widgets. A key's jump to the alarm list stays.
void mapPageNumbers(CHCData& project, const PageIndexMap& map);

} // namespace zorv
