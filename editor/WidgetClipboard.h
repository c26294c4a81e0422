#pragma once
// Widgets on the system clipboard: their records, texts and bitmaps in the project stream's own
// widget format under the project's MIME type, and the folder of the project they came from, so
// that their picture files can follow them into another project or editor window.

#include <filesystem>
#include <optional>
#include <span>
#include <vector>

#include "model/WidgetNode.h"

namespace zorv {

inline constexpr const char* kWidgetsMimeType = "application/x-zorv-widgets";
inline constexpr const char* kWidgetsFolderMimeType = "application/x-zorv-widgets-folder";

struct ClipboardWidgets {
    std::vector<WidgetNode> widgets;
    std::filesystem::path projectFolder;
};

void putWidgetsOnClipboard(std::span<const WidgetNode> widgets,
                           const std::filesystem::path& projectFolder);
// What the clipboard holds, or nothing when it holds anything else or unsound bytes.
std::optional<ClipboardWidgets> widgetsOnClipboard();
bool clipboardHoldsWidgets();

} // namespace zorv
