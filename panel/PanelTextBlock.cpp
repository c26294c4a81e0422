#include "panel/PanelTextBlock.h"

#include <algorithm>

#include "model/DisplayAttributes.h"
#include "panel/PanelGlyphs.h"

namespace zorv::panel {

int drawTextBlock(PanelPicture& picture, const sim::ImageDescription& image,
                  std::span<const sim::ImageChar> chars, const TextBlock& block) {
    const int width = std::max(textWidth(chars, block.scale), block.minWidth);
    const int height = kLineHeight * block.scale;
    const bool shown = kFlashingShownOn || !(block.attributes & attr::kFlashing);
    if (shown)
        drawText(picture, image, chars, block.x, block.y, block.scale);
    if (block.attributes & (attr::kBorder | attr::kVirtual))
        picture.frame(block.x - kFrameGap, block.y - kFrameGap, width + 2 * kFrameGap,
                      height + 2 * kFrameGap, !(block.attributes & attr::kBorder));
    if (block.attributes & attr::kInverted)
        picture.invert(block.x, block.y, width, height);
    return width;
}

std::vector<sim::ImageChar> asciiChars(std::string_view text) {
    std::vector<sim::ImageChar> chars;
    chars.reserve(text.size());
    for (const char c : text)
        chars.push_back({sim::ImageChar::Ascii, uint8_t(c)});
    return chars;
}

} // namespace zorv::panel
