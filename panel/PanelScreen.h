#pragma once
// What the panel shows besides the registers: the page, the language, the menu cursors, the
// register being entered and the digits typed into a password control. The behaviour keeps it;
// the renderer draws from it.

#include <string>
#include <vector>

#include "panel/PanelDecisions.h"
#include "panel/PanelNumber.h"
#include "panel/PanelTrendHistory.h"

namespace zorv::panel {

struct PanelScreen {
    int page = 0;     // page index, or kAlarmScreen
    int language = 0; // 0: language 1, 1: language 2
    // Per widget of the page (by its position in the page), the item a menu's cursor is on.
    std::vector<int> menuCursor;
    int menuFocus = -1;   // the widget position of the menu with the cursor, -1 none
    int entryWidget = -1; // the widget position of the register being entered, -1 none
    TypedNumber entry;
    std::string password; // digits typed into the page's password control
    PanelTrendHistory trends;

    int cursorOf(int widget) const {
        return widget >= 0 && std::size_t(widget) < menuCursor.size()
                   ? menuCursor[std::size_t(widget)]
                   : 0;
    }
};

} // namespace zorv::panel
