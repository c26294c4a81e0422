#pragma once
// Draws what the panel's display shows: a page of the image (or the system alarm screen) in a
// language, for the values of the register table, with the cursors and typed digits of the
// screen state.

#include "panel/PanelImage.h"
#include "panel/PanelPicture.h"
#include "panel/PanelRegisters.h"
#include "panel/PanelScreen.h"

namespace zorv::panel {

// Clears `out` and draws the screen; a page index the image does not have leaves it blank.
void renderScreen(const PanelImage& image, const PanelScreen& screen,
                  const PanelRegisters& registers, PanelPicture& out);

// A page as it first shows, with no cursor moved and nothing typed.
PanelPicture renderPage(const PanelImage& image, int page, int language,
                        const PanelRegisters& registers);

} // namespace zorv::panel
