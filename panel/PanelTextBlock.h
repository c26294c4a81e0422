#pragma once
// A text on the display with its display attributes: the cells it takes, a frame for a bordered
// or virtual text, and the inversion of an inverted one.

#include <span>
#include <string_view>
#include <vector>

#include "panel/PanelPicture.h"
#include "sim/ImageReaderDescription.h"

namespace zorv::panel {

struct TextBlock {
    int x = 0, y = 0;
    int scale = 1;
    uint8_t attributes = 0; // DisplayAttributes bits
    int minWidth = 0;       // pixels the block takes at least (a field, the widest level)
};

// Draws the text and its attributes; returns the block's width.
int drawTextBlock(PanelPicture& picture, const sim::ImageDescription& image,
                  std::span<const sim::ImageChar> chars, const TextBlock& block);

std::vector<sim::ImageChar> asciiChars(std::string_view text);

} // namespace zorv::panel
