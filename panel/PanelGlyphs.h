#pragma once
// Drawing in the panel's band format: the ASCII and full glyphs of the image's fonts, texts
// made of them, and the band bitmaps of pictures and lights.

#include <span>

#include "panel/PanelPicture.h"
#include "sim/ImageReaderDescription.h"

namespace zorv::panel {

// Width in pixels of a converted text: 8 per ASCII byte (and per lone lead byte), 16 per glyph.
int textWidth(std::span<const sim::ImageChar> chars, int scale);

// Draws the ink of the text with its top-left corner at (x, y), each pixel `scale` x `scale`.
// Characters the image has no glyph for (control codes, a lone lead byte) leave their cell
// blank. Returns the width drawn.
int drawText(PanelPicture& picture, const sim::ImageDescription& image,
             std::span<const sim::ImageChar> chars, int x, int y, int scale);
// Draws a band bitmap of W x H pixels at (x, y): a pixel is ink where its bit equals `inkBit`.
void drawBands(PanelPicture& picture, const sim::ImageBitmap& bitmap, int x, int y, int scale,
               bool inkBit);

} // namespace zorv::panel
