#pragma once
// The picture of a changed page: the panel's display before, after, and the later display with
// every changed pixel marked, side by side with a gap between them. In the marked display the
// unchanged ink is grey, a pixel inked only after the change red and one inked only before it
// blue.

#include <cstdint>
#include <vector>

#include "panel/PanelPicture.h"

namespace zorv::diff {

inline constexpr uint32_t kPaperColour = 0xFFFFFF;
inline constexpr uint32_t kInkColour = 0x000000;
inline constexpr uint32_t kGapColour = 0x808080;
inline constexpr uint32_t kKeptInkColour = 0xC0C0C0;
inline constexpr uint32_t kInkAddedColour = 0xFF0000;
inline constexpr uint32_t kInkRemovedColour = 0x0000FF;
inline constexpr int kChangeGap = 8;

struct ChangePicture {
    static constexpr int kWidth = 3 * panel::kWidth + 2 * kChangeGap;
    static constexpr int kHeight = panel::kHeight;
    std::vector<uint32_t> pixels; // 0xRRGGBB, row by row from the top

    uint32_t at(int x, int y) const { return pixels[std::size_t(y * kWidth + x)]; }
    // The left edge of display 0 (before), 1 (after) or 2 (marked).
    static constexpr int left(int display) { return display * (panel::kWidth + kChangeGap); }
};

ChangePicture changePicture(const panel::PanelPicture& before, const panel::PanelPicture& after);

} // namespace zorv::diff
