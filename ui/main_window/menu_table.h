#pragma once

#include <optional>
#include <vector>

#include "ui/main_window/commands.h"
#include "ui/theme/captions.h"

// The main window's menus as data: each top menu with its items in order. An
// item with neither a command nor a submenu is a separator; the File menu's
// recent files follow its last separator.
struct MenuItemEntry {
    std::optional<Command> command;
    gcm::Caption caption;
    std::vector<MenuItemEntry> submenu;
};

struct MenuEntry {
    gcm::Caption caption;
    std::vector<MenuItemEntry> items;
};

const std::vector<MenuEntry>& main_menu_table();

// The tool strip's image buttons in order, with their picture keys; the
// display-filter chooser stands after the UID search.
struct ToolEntry {
    Command command;
    const char* image;
    gcm::Caption caption;
};

const std::vector<ToolEntry>& tool_strip_table();
inline constexpr size_t filter_chooser_position = 8;
