#pragma once
// The codes by which the light and key panes ask the view for an image at once, before the
// record is confirmed: the view knows the round and square lights and six key images by them.

#include <cstdint>
#include <optional>

namespace zorv::rules {

// 0 round, 1 square, plus 10 for negative logic; none for a custom light (its pictures follow
// when the record is confirmed).
std::optional<int> lightShapeCode(int displayType, bool negativeLogic);

// ESC, SET, DOWN, UP, RIGHT, ENT are 0..5; plus 10 when inverted; plus 100 when invisible (the
// invisible image is one for both). None for the other keys, whose images follow when the
// record is confirmed.
std::optional<int> keyImageCode(uint8_t keyCode, bool inverted, bool invisible);

// The size flag of both messages: 1 for double size, else 0. An invisible key is always drawn
// at single size.
inline int imageSizeFlag(bool doubleSize, bool invisible = false) {
    return doubleSize && !invisible ? 1 : 0;
}

} // namespace zorv::rules
