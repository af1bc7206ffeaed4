#pragma once

#include <string>

#include "ui/main_window/tab_page.h"

class MainWindow;
class QGraphicsScene;

// The six tab pages on the main window's canvas: each rebuild lays out the
// active page from the current project and the tree's first selected object
// (the page geometry library) and turns the descriptions into scene items.
// The window's canvas keeps or resets the scroll position and sizes the scene.
namespace pages {

// Installs the painter on the window.
void install(MainWindow& window);

// Draws the page of the current project onto the empty scene. The Validation
// page moves the tree's selection to the option it shows; the V-diagram
// records the choices it made for places where nothing was chosen.
void paint_page(TabPage page, QGraphicsScene& scene);

// The uid of the option the Validation page shows, "" when that page is not
// active or shows none. The tree's selection follows it.
std::string current_validation_tabpage_option();

}  // namespace pages
