#pragma once
// The drawing of the widgets that show rows or typed digits: menus, alarm lists and the
// password control, and the system alarm screen.

#include "panel/PanelWidgetDrawing.h"

namespace zorv::panel {

void drawMenu(const DrawContext& context, const sim::ImageWidget& widget, int language);
void drawAlarmList(const DrawContext& context, const sim::ImageWidget& widget, int language);
void drawPassword(const DrawContext& context, const sim::ImageWidget& widget);
// The image's own alarm list, when a jump to the alarm list finds no alarm page.
void drawAlarmScreen(PanelPicture& picture, const PanelImage& image, int language,
                     const PanelRegisters& registers);

// The page a menu's rows show: the rows per page (at least one) and the first item shown.
struct MenuRows {
    int rows = 1;
    int first = 0;
};
MenuRows menuRows(const sim::ImageWidget& widget, int cursor);

} // namespace zorv::panel
