#pragma once
// Every command of the menus, the toolbar and the page tree's pop-up menu.

namespace zorv {

enum class CommandId {
    // File
    FileNew,
    FileOpen,
    FileSave,
    FileSaveAs,
    FileRestoreVersion,
    FileImport,
    FileRecent1,
    FileRecent2,
    FileRecent3,
    FileRecent4,
    AppExit,
    // Edit
    EditUndo,
    EditRedo,
    EditCut,
    EditCopy,
    EditPaste,
    EditDelete,
    EditSelectAll,
    EditFind,
    EditFindNext,
    EditFindPrevious,
    EditReplace,
    EditAlignLeft,
    EditAlignRight,
    EditAlignTop,
    EditAlignBottom,
    EditAlignCentres,
    EditAlignMiddles,
    EditDistributeAcross,
    EditDistributeDown,
    EditSameWidth,
    EditSameHeight,
    // View
    ViewToolbar,
    ViewStatusBar,
    ViewPanelPixels,
    ViewZoomIn,
    ViewZoomOut,
    ViewZoomActual,
    ViewProblems,
    ViewRegisters,
    ViewPageMap,
    // Page
    PageNew,
    PageCopy,
    PageDelete,
    PageExportTemplate,
    PageInsertTemplate,
    PageAlarmList,
    // Widget
    WidgetLight,
    WidgetKey,
    WidgetStaticText,
    WidgetDynamicText,
    WidgetRegister,
    WidgetBarGraph,
    WidgetTrendChart,
    WidgetPicture,
    WidgetPassword,
    WidgetMenu,
    WidgetAlarm,
    // Toolbars
    ToolParameter,
    ToolTags,
    ToolDownload,
    ToolModbus,
    ToolSimulate,
    ToolReport,
    ToolReportHtml,
    ToolCustomizeCharacter,
    ToolGridlines,
    // Language
    Language1,
    Language2,
    Language3,
    Language4,
    Language5,
    LanguageExportTexts,
    LanguageImportTexts,
    // Help
    HelpTopics,
    HelpTipOfTheDay,
    HelpAbout,
};

inline constexpr int kCommandCount = int(CommandId::HelpAbout) + 1;

} // namespace zorv
