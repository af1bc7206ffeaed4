#pragma once

class MainWindow;
class QWidget;

// The Tools menu's two table windows, each shown modally over the main window.
namespace tables {

// "Customize Parameters" and "Project References" of the main window.
void install_table_commands(MainWindow& window);

// Each does nothing without a current project. After the window closes the
// main window follows what happened in it: a step through the history
// rebuilds everything, a changed quantity table the tree and the page.
void show_parameter_window(QWidget* parent);
void show_references_window(QWidget* parent);

}  // namespace tables
