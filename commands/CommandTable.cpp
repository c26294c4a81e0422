#include "commands/CommandTable.h"

#include <array>

namespace zorv {

namespace {

using C = CommandId;

constexpr std::array<CommandInfo, kCommandCount> kCommands{{
    {C::FileNew, "&New\tCtrl+N", "Ctrl+N", "Create a new project", "New"},
    {C::FileOpen, "&Open...\tCtrl+O", "Ctrl+O", "Open an existing project", "Open"},
    {C::FileSave, "&Save\tCtrl+S", "Ctrl+S", "Save the current project", "Save"},
    {C::FileSaveAs, "Save &As...", "", "Save the current project with a new name", "Save As"},
    {C::FileRestoreVersion, "&Restore Earlier Version...", "",
     "Open an earlier saved version of the project as unsaved changes", "Restore Earlier Version"},
    {C::FileImport, "&Import", "", "Import a project of an older text display panel", "Import"},
    {C::FileRecent1, "", "", "Open this project", "Open"},
    {C::FileRecent2, "", "", "Open this project", "Open"},
    {C::FileRecent3, "", "", "Open this project", "Open"},
    {C::FileRecent4, "", "", "Open this project", "Open"},
    {C::AppExit, "E&xit", "", "Quit the application; asks to save the project", "Exit"},
    {C::EditUndo, "&Undo\tCtrl+Z", "Ctrl+Z;Alt+Backspace", "Undo the last action", "Undo"},
    {C::EditRedo, "&Redo\tCtrl+Y", "Ctrl+Y;Ctrl+Shift+Z", "Redo the last undone action", "Redo"},
    {C::EditCut, "Cu&t\tCtrl+X", "Ctrl+X;Shift+Del",
     "Cut the selection and put it on the Clipboard", "Cut"},
    {C::EditCopy, "&Copy\tCtrl+C", "Ctrl+C;Ctrl+Ins",
     "Copy the selection and put it on the Clipboard", "Copy"},
    {C::EditPaste, "&Paste\tCtrl+V", "Ctrl+V;Shift+Ins", "Insert the Clipboard contents", "Paste"},
    {C::EditDelete, "&Delete\tDel", "", "Delete the selected widgets", "Delete"},
    {C::EditSelectAll, "Select &All\tCtrl+A", "Ctrl+A", "Select every widget of the page",
     "Select All"},
    {C::EditFind, "&Find...\tCtrl+F", "Ctrl+F",
     "Find texts, registers, widget kinds and page descriptions", "Find"},
    {C::EditFindNext, "Find Ne&xt\tF3", "F3", "Show the next widget found", "Find Next"},
    {C::EditFindPrevious, "Find Pre&vious\tShift+F3", "Shift+F3", "Show the previous widget found",
     "Find Previous"},
    {C::EditReplace, "R&eplace...\tCtrl+H", "Ctrl+H",
     "Replace texts or move registers, with a preview of every change", "Replace"},
    {C::EditAlignLeft, "Align &Left\tCtrl+Shift+L", "Ctrl+Shift+L",
     "Line up the left edges of the selected widgets", "Align Left"},
    {C::EditAlignRight, "Align Ri&ght\tCtrl+Shift+R", "Ctrl+Shift+R",
     "Line up the right edges of the selected widgets", "Align Right"},
    {C::EditAlignTop, "Align T&op\tCtrl+Shift+T", "Ctrl+Shift+T",
     "Line up the top edges of the selected widgets", "Align Top"},
    {C::EditAlignBottom, "Align &Bottom\tCtrl+Shift+B", "Ctrl+Shift+B",
     "Line up the bottom edges of the selected widgets", "Align Bottom"},
    {C::EditAlignCentres, "Align Ce&ntres\tCtrl+Shift+C", "Ctrl+Shift+C",
     "Line up the centres of the selected widgets one above the other", "Align Centres"},
    {C::EditAlignMiddles, "Align &Middles\tCtrl+Shift+M", "Ctrl+Shift+M",
     "Line up the middles of the selected widgets side by side", "Align Middles"},
    {C::EditDistributeAcross, "Distribute Acro&ss\tCtrl+Shift+H", "Ctrl+Shift+H",
     "Give the selected widgets equal spaces from left to right", "Distribute Across"},
    {C::EditDistributeDown, "Distribute Do&wn\tCtrl+Shift+D", "Ctrl+Shift+D",
     "Give the selected widgets equal spaces from top to bottom", "Distribute Down"},
    {C::EditSameWidth, "Same W&idth\tCtrl+Shift+W", "Ctrl+Shift+W",
     "Make the selected bar graphs and trend charts as wide as the first", "Same Width"},
    {C::EditSameHeight, "Same &Height\tCtrl+Shift+E", "Ctrl+Shift+E",
     "Make the selected bar graphs and trend charts as high as the first", "Same Height"},
    {C::ViewToolbar, "&Toolbar", "", "Show or hide the toolbar", "Toggle ToolBar", true},
    {C::ViewStatusBar, "&Status Bar", "", "Show or hide the status bar", "Toggle StatusBar", true},
    {C::ViewPanelPixels, "Panel &pixels", "",
     "Show the page as the panel draws it, with the panel's own characters", "Panel pixels", true},
    {C::ViewZoomIn, "Zoom &In\tCtrl++", "Ctrl++;Ctrl+=", "Show the panel larger", "Zoom In"},
    {C::ViewZoomOut, "Zoom &Out\tCtrl+-", "Ctrl+-", "Show the panel smaller", "Zoom Out"},
    {C::ViewZoomActual, "&Zoom 100 %\tCtrl+0", "Ctrl+0",
     "Show the panel at its own size, two screen pixels a display pixel", "Zoom 100 %"},
    {C::ViewProblems, "P&roblems", "", "Show or hide the problems the project checks find",
     "Problems", true},
    {C::ViewRegisters, "R&egisters", "",
     "Show or hide every register and coil the project uses, and where", "Registers", true},
    {C::ViewPageMap, "Page &Map", "", "Show or hide the map of the pages and their jumps",
     "Page Map", true},
    {C::PageNew, "&New Page", "", "Add a new page to the project", "New Page"},
    {C::PageCopy, "&Copy Page", "", "Copy the selected page to a new page", "Copy Page"},
    {C::PageDelete, "&Delete Page", "", "Delete the selected page", "Delete Page"},
    {C::PageExportTemplate, "E&xport Template...", "",
     "Write chosen pages with their pictures to a page template", "Export Template"},
    {C::PageInsertTemplate, "&Insert Template...", "",
     "Insert the pages of a page template into the project", "Insert Template"},
    {C::PageAlarmList, "&Alarm List", "", "Edit the system alarm list", "Alarm List"},
    {C::WidgetLight, "&Light Indicator ", "", "Place a light indicator", "Light Indicator", true},
    {C::WidgetKey, "&Key", "", "Place a function key", "Key", true},
    {C::WidgetStaticText, "&StaticText", "", "Place a static text", "StaticText", true},
    {C::WidgetDynamicText, "&DynamicText", "", "Place a dynamic text", "DynamicText", true},
    {C::WidgetRegister, "&Register", "", "Place a register display", "Register", true},
    {C::WidgetBarGraph, "&Bar Graph", "", "Place a bar graph", "Bar Graph", true},
    {C::WidgetTrendChart, "&Trend Chart", "", "Place a trend chart", "Trend Chart", true},
    {C::WidgetPicture, "&Picture", "", "Import a picture and place it", "Picture", true},
    {C::WidgetPassword, "Pass&Word", "", "Place a password control", "PassWord", true},
    {C::WidgetMenu, "&Menu", "", "Place a menu", "Menu", true},
    {C::WidgetAlarm, "&Alarm ", "", "Place an alarm list", "Alarm", true},
    {C::ToolParameter, "&Parameter...", "", "Set the system parameters of the panel", "Parameter"},
    {C::ToolTags, "&Tags...", "",
     "Name the registers of the PLC program: edit, import and export the tags", "Tags"},
    {C::ToolDownload, "&Download ", "", "Download current file", "Download "},
    {C::ToolModbus, "&Modbus Protocol", "", "Edit modbus protocol", "Modbus Protocol"},
    {C::ToolSimulate, "&Simulate\tF5", "F5", "Operate the project on an offline panel", "Simulate"},
    {C::ToolReport, "Statistical &Report", "", "Write the statistical report of the project",
     "Statistical Report"},
    {C::ToolReportHtml, "Report &with pictures", "",
     "Write the report as a web page with pictures of every page", "Report with pictures"},
    {C::ToolCustomizeCharacter, "&Customize character", "",
     "Edit the user-defined characters with the character tool", "Customize character"},
    {C::ToolGridlines, "&Gridlines", "", "Show or hide the grid of the display area", "Gridlines",
     true},
    {C::Language1, "language1", "", "Show the texts of language 1", "Language 1", true},
    {C::Language2, "language2", "", "Show the texts of language 2", "Language 2", true},
    {C::Language3, "language3", "", "Show the texts of language 3", "Language 3", true},
    {C::Language4, "language4", "", "Show the texts of language 4", "Language 4", true},
    {C::Language5, "language5", "", "Show the texts of language 5", "Language 5", true},
    {C::LanguageExportTexts, "&Export Texts...", "",
     "Write the texts of the project to a file for translation", "Export Texts"},
    {C::LanguageImportTexts, "&Import Texts...", "",
     "Take the texts of a translated file into the project", "Import Texts"},
    {C::HelpTopics, "&Help Topics", "F1", "List Help topics", "Help Topics"},
    {C::HelpTipOfTheDay, "&Tip of the Day  ", "", "Show a tip about using the editor",
     "Tip of the Day"},
    {C::HelpAbout, "&About ZorvEditor...", "",
     "Display program information, version number and copyright", "About"},
}};

// The table is indexed by the command's id.
constexpr bool inIdOrder() {
    for (std::size_t i = 0; i < kCommands.size(); ++i) {
        if (std::size_t(kCommands[i].id) != i)
            return false;
    }
    return true;
}
static_assert(inIdOrder());

constexpr LayoutEntry cmd(CommandId id) {
    return {LayoutItem::Command, id};
}
constexpr LayoutEntry kSep{LayoutItem::Separator};

constexpr std::array kFileMenu{cmd(C::FileNew),
                               cmd(C::FileOpen),
                               cmd(C::FileSave),
                               cmd(C::FileSaveAs),
                               cmd(C::FileRestoreVersion),
                               kSep,
                               cmd(C::FileImport),
                               kSep,
                               LayoutEntry{LayoutItem::RecentFiles},
                               kSep,
                               cmd(C::AppExit)};
constexpr std::array kEditMenu{cmd(C::EditUndo),
                               cmd(C::EditRedo),
                               kSep,
                               cmd(C::EditCut),
                               cmd(C::EditCopy),
                               cmd(C::EditPaste),
                               cmd(C::EditDelete),
                               kSep,
                               cmd(C::EditSelectAll),
                               kSep,
                               cmd(C::EditFind),
                               cmd(C::EditFindNext),
                               cmd(C::EditFindPrevious),
                               cmd(C::EditReplace),
                               kSep,
                               cmd(C::EditAlignLeft),
                               cmd(C::EditAlignRight),
                               cmd(C::EditAlignTop),
                               cmd(C::EditAlignBottom),
                               cmd(C::EditAlignCentres),
                               cmd(C::EditAlignMiddles),
                               kSep,
                               cmd(C::EditDistributeAcross),
                               cmd(C::EditDistributeDown),
                               kSep,
                               cmd(C::EditSameWidth),
                               cmd(C::EditSameHeight)};
constexpr std::array kViewMenu{cmd(C::ViewToolbar),
                               cmd(C::ViewStatusBar),
                               kSep,
                               cmd(C::ViewPanelPixels),
                               kSep,
                               cmd(C::ViewZoomIn),
                               cmd(C::ViewZoomOut),
                               cmd(C::ViewZoomActual),
                               kSep,
                               cmd(C::ViewProblems),
                               cmd(C::ViewRegisters),
                               cmd(C::ViewPageMap)};
constexpr std::array kPageMenu{cmd(C::PageNew),
                               cmd(C::PageCopy),
                               cmd(C::PageDelete),
                               kSep,
                               cmd(C::PageExportTemplate),
                               cmd(C::PageInsertTemplate),
                               kSep,
                               cmd(C::PageAlarmList)};
constexpr std::array kWidgetMenu{
    cmd(C::WidgetLight),       cmd(C::WidgetKey),      cmd(C::WidgetStaticText),
    cmd(C::WidgetDynamicText), cmd(C::WidgetRegister), cmd(C::WidgetBarGraph),
    cmd(C::WidgetTrendChart),  cmd(C::WidgetPicture),  cmd(C::WidgetPassword),
    cmd(C::WidgetMenu),        cmd(C::WidgetAlarm)};
constexpr std::array kToolbarsMenu{cmd(C::ToolParameter),
                                   cmd(C::ToolTags),
                                   cmd(C::ToolDownload),
                                   cmd(C::ToolModbus),
                                   cmd(C::ToolSimulate),
                                   kSep,
                                   cmd(C::ToolReport),
                                   cmd(C::ToolReportHtml),
                                   cmd(C::ToolCustomizeCharacter),
                                   kSep,
                                   cmd(C::ToolGridlines)};
constexpr std::array kLanguageMenu{cmd(C::Language1),           cmd(C::Language2),
                                   cmd(C::Language3),           cmd(C::Language4),
                                   cmd(C::Language5),           kSep,
                                   cmd(C::LanguageExportTexts), cmd(C::LanguageImportTexts)};
constexpr std::array kHelpMenu{cmd(C::HelpTopics), cmd(C::HelpTipOfTheDay), kSep,
                               cmd(C::HelpAbout)};

constexpr std::array<MenuLayout, 8> kMenuBar{{
    {"&File", kFileMenu},
    {"&Edit", kEditMenu},
    {"&View", kViewMenu},
    {"&Page", kPageMenu},
    {"&Widget", kWidgetMenu},
    {"&Toolbars", kToolbarsMenu},
    {"&Language", kLanguageMenu},
    {"&Help", kHelpMenu},
}};

constexpr std::array kToolbar{cmd(C::FileNew),          cmd(C::FileOpen),
                              cmd(C::FileSave),         kSep,
                              cmd(C::EditCut),          cmd(C::EditCopy),
                              cmd(C::EditPaste),        kSep,
                              cmd(C::HelpAbout),        kSep,
                              cmd(C::WidgetLight),      cmd(C::WidgetKey),
                              cmd(C::WidgetStaticText), cmd(C::WidgetDynamicText),
                              cmd(C::WidgetRegister),   cmd(C::WidgetBarGraph),
                              cmd(C::WidgetTrendChart), cmd(C::WidgetPicture),
                              cmd(C::WidgetPassword),   cmd(C::WidgetMenu),
                              cmd(C::WidgetAlarm),      kSep,
                              cmd(C::PageNew),          cmd(C::PageCopy),
                              cmd(C::PageDelete),       kSep,
                              cmd(C::ToolParameter),    cmd(C::PageAlarmList),
                              cmd(C::ToolDownload),     cmd(C::ToolModbus),
                              cmd(C::ToolSimulate)};

constexpr std::array kLayoutToolbar{cmd(C::EditAlignLeft),
                                    cmd(C::EditAlignCentres),
                                    cmd(C::EditAlignRight),
                                    cmd(C::EditAlignTop),
                                    cmd(C::EditAlignMiddles),
                                    cmd(C::EditAlignBottom),
                                    kSep,
                                    cmd(C::EditDistributeAcross),
                                    cmd(C::EditDistributeDown),
                                    kSep,
                                    cmd(C::EditSameWidth),
                                    cmd(C::EditSameHeight)};

constexpr std::array kPagePopup{cmd(C::PageNew), cmd(C::PageCopy), cmd(C::PageDelete)};

} // namespace

const CommandInfo& commandInfo(CommandId id) {
    return kCommands[std::size_t(id)];
}

std::span<const MenuLayout> menuBarLayout() {
    return kMenuBar;
}
std::span<const LayoutEntry> toolbarLayout() {
    return kToolbar;
}
std::span<const LayoutEntry> layoutToolbarLayout() {
    return kLayoutToolbar;
}
std::span<const LayoutEntry> pagePopupLayout() {
    return kPagePopup;
}

} // namespace zorv
