#pragma once
// The command table: every command's menu text (with its mnemonic), shortcuts, status-bar prompt
// and tooltip; and the menu bar and toolbar layouts built from it.

#include <span>
#include <string_view>

#include "commands/CommandId.h"

namespace zorv {

struct CommandInfo {
    CommandId id;
    std::string_view menuText;  // the "\t" part, when present, shows the first shortcut
    std::string_view shortcuts; // "Ctrl+Z;Alt+Backspace"; empty for none
    std::string_view prompt;    // shown in the status bar's message pane
    std::string_view tip;       // the toolbar button's tooltip
    bool checkable = false;
};

const CommandInfo& commandInfo(CommandId id);

// One entry of a menu or of the toolbar: a command, a separator, or
// the place of the recent-file list.
enum class LayoutItem { Command, Separator, RecentFiles };
struct LayoutEntry {
    LayoutItem item;
    CommandId id = CommandId::FileNew;
};

struct MenuLayout {
    std::string_view title;
    std::span<const LayoutEntry> entries;
};

std::span<const MenuLayout> menuBarLayout();
std::span<const LayoutEntry> toolbarLayout();
// The layout toolbar: aligning, distributing and sizing the selected widgets.
std::span<const LayoutEntry> layoutToolbarLayout();
// The page tree's pop-up menu.
std::span<const LayoutEntry> pagePopupLayout();

} // namespace zorv
