#include "model/rules/ImageMessageCodes.h"

#include <algorithm>
#include <array>

#include "model/records/LedRecord.h"

namespace zorv::rules {

std::optional<int> lightShapeCode(int displayType, bool negativeLogic) {
    if (displayType != LedRecord::Round && displayType != LedRecord::Square)
        return std::nullopt;
    return displayType + (negativeLogic ? 10 : 0);
}

std::optional<int> keyImageCode(uint8_t keyCode, bool inverted, bool invisible) {
    // Key codes of ESC, SET, DOWN, UP, RIGHT, ENT in the order of their image codes.
    static constexpr std::array<uint8_t, 6> kImageKeys = {18, 24, 20, 21, 23, 25};
    const auto it = std::find(kImageKeys.begin(), kImageKeys.end(), keyCode);
    if (it == kImageKeys.end())
        return std::nullopt;
    return int(it - kImageKeys.begin()) + (inverted ? 10 : 0) + (invisible ? 100 : 0);
}

} // namespace zorv::rules
