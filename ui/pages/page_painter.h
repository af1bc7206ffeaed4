#pragma once

#include <QPointF>
#include <string>

#include "ui/main_window/tab_page.h"

class MainWindow;

namespace pages {
class PageScene;
}

// The six tab pages on the main window's canvas: each rebuild lays out the
// active page from the current project and the tree's first selected object
// (the page geometry library) and turns the descriptions into scene items.
// The window's canvas keeps or resets the scroll position and sizes the scene.
namespace pages {

// Installs the painter on the window; it keeps each page's items on that
// page's scene of the window's canvas from one rebuild to the next, also
// while the page is hidden.
void install(MainWindow& window);

// Shows the page of the current project (nothing without one) on the page
// scene, returns its far corner. The Validation page moves the tree's
// selection to the option it shows; the V-diagram records the choices it made
// for places where nothing was chosen.
QPointF paint_page(TabPage page, PageScene& scene);

// The uid of the option the Validation page shows, "" when that page is not
// active or shows none. The tree's selection follows it.
std::string current_validation_tabpage_option();

}  // namespace pages
