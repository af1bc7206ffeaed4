#pragma once

#include <QKeySequence>
#include <utility>
#include <vector>

#include "ui/main_window/commands.h"

// The main window's keys: exactly these combinations are its own (a further
// modifier, as in Ctrl+Shift+Z, makes another combination).
const std::vector<std::pair<QKeySequence, Command>>& main_key_table();
