#pragma once

#include <optional>
#include <vector>

#include "ui/main_window/commands.h"
#include "ui/theme/captions.h"

// The main window's menus as data: each top menu with its items in order. An
// item with neither a command nor a submenu is a separator; the File menu's
// recent files follow its last separator.
struct MenuItemSpec {
    std::optional<Command> command;
    gcm::Caption caption;
    std::vector<MenuItemSpec> submenu;
};

struct MenuSpec {
    gcm::Caption caption;
    std::vector<MenuItemSpec> items;
};

const std::vector<MenuSpec>& main_menu_table();

// The tool strip's image buttons in order, with their picture keys; the
// display-filter chooser stands after the UID search.
struct ToolSpec {
    Command command;
    const char* image;
    gcm::Caption caption;
};

const std::vector<ToolSpec>& tool_strip_table();
inline constexpr size_t filter_chooser_position = 8;
