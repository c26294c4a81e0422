#include "panel/PanelRenderer.h"

#include "panel/PanelListDrawing.h"
#include "panel/PanelWidgetDrawing.h"

namespace zorv::panel {

void renderScreen(const PanelImage& image, const PanelScreen& screen,
                  const PanelRegisters& registers, PanelPicture& out) {
    out.clear();
    if (screen.page == kAlarmScreen) {
        drawAlarmScreen(out, image, screen.language, registers);
        return;
    }
    const sim::ImagePage* page = image.page(screen.page);
    if (!page)
        return;
    for (std::size_t i = 0; i < page->widgets.size(); ++i) {
        const DrawContext context{out, image, registers, screen, int(i)};
        drawWidget(context, page->widgets[i]);
    }
}

PanelPicture renderPage(const PanelImage& image, int page, int language,
                        const PanelRegisters& registers) {
    PanelScreen screen;
    screen.page = page;
    screen.language = language;
    PanelPicture picture;
    renderScreen(image, screen, registers, picture);
    return picture;
}

} // namespace zorv::panel
