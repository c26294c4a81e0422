#pragma once
// The drawing of each widget kind on the panel's display.

#include "panel/PanelImage.h"
#include "panel/PanelPicture.h"
#include "panel/PanelRegisters.h"
#include "panel/PanelScreen.h"

namespace zorv::panel {

struct DrawContext {
    PanelPicture& picture;
    const PanelImage& image;
    const PanelRegisters& registers;
    const PanelScreen& screen;
    int position; // the widget's position in its page
};

void drawWidget(const DrawContext& context, const sim::ImageWidget& widget);

} // namespace zorv::panel
