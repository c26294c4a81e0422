#pragma once
// The page's properties as the bytes the page pane exchanges with the view: the description
// (39 characters and a closing zero), then the Up page, the Down page and the display level.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "model/CPage.h"

namespace zorv {

struct PagePropertiesRecord {
    static constexpr std::size_t kSize = 56;
    static constexpr std::size_t kDescriptionOff = 0, kDescriptionSize = 40;
    static constexpr std::size_t kUpPageOff = 40, kDownPageOff = 42, kLevelOff = 44;
};

std::vector<uint8_t> pagePropertiesBytes(const PageProperties& properties);
// Nothing when the bytes are not 56 long.
std::optional<PageProperties> pagePropertiesFrom(std::span<const uint8_t> bytes);

} // namespace zorv
