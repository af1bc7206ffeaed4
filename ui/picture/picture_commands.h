#pragma once

class MainWindow;

// The picture export: the whole drawing of the active tab page, or an area
// selected on its visible part, saved as PNG, JPEG, BMP or PDF, or copied to
// the clipboard. Everything is drawn from the canvas's scene: no screen
// pixels, and nothing runs between the choice of the file and the written
// picture.
namespace picture {

// Plugs the two tool-strip commands into the window: the picture of the tab
// page and of an area, each copied to the clipboard instead when Ctrl is held.
void install(MainWindow& window);

// The whole page through the save dialog ("Save Image"), or to the clipboard.
void save_page(MainWindow& window);
void copy_page(MainWindow& window);

// An area selected on the visible page through the save dialog, or to the clipboard.
void save_area(MainWindow& window);
void copy_area(MainWindow& window);

}  // namespace picture
