#pragma once

class MainWindow;

// The windows around the canvas: the comment popup, the hide/show dialog and
// the viewer windows (related objects, search results, the two reviews and
// the origin tree), opened through the main window's service interface, and
// the Tools menu's reviews. The viewers refresh after every rebuild of the
// main window's page.
namespace windows {

void install(MainWindow& window);

}  // namespace windows
