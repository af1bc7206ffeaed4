#pragma once

class MainWindow;

// Puts the parts of the user interface that plug into the main window into
// it: the object tree, the find commands, the table windows, the
// appearance editor and the secondary windows. The program and the tests that drive the whole window
// assemble it the same way.
void assemble_main_window(MainWindow& window);
