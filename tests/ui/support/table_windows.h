#pragma once

#include <Qt>
#include <string>

#include "tests/ui/support/ui_driving.h"

class MainWindow;
class QWidget;

namespace toolkit {
class ShowDataGridViewForm;
}

// Driving the table windows as a user does, and judging them by the project's saved text.
namespace ui_testing {

// Shows the window and makes it the active one (keys and editors need it).
void show_active(QWidget& window);
// A left click on a cell, scrolled into view first, and what it queued.
void click_cell(toolkit::ShowDataGridViewForm& window, int row, int column);
// Ctrl with key, pressed in the window's grid.
void ctrl_key(toolkit::ShowDataGridViewForm& window, Qt::Key key);
// The main window with the table commands, shown, with the gate example open.
void open_gate_example(MainWindow& main);

}  // namespace ui_testing
