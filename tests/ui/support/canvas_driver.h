#pragma once

#include <QString>
#include <QStringList>
#include <cstddef>
#include <string>
#include <vector>

#include "tests/ui/support/ui_driving.h"

class CanvasView;
class QGraphicsView;
class MainWindow;
class ObjectBox;
class QMenu;

// Driving the canvas of the main window as a user would: finding the boxes of
// the page, right-clicking them and choosing from their menus.
namespace ui_testing {

// The main window with the pages installed, shown at a fixed size.
void show_with_pages(MainWindow& window);

// The project as a fixture leaves it: its history one state long, saved.
void settle_fixture(MainWindow& window);
// The undo states recorded since.
size_t recorded_states();

// The object boxes on the canvas (or any view of boxes) in drawing order: all of them, or those of a uid.
std::vector<ObjectBox*> boxes_on(const QGraphicsView& canvas);
std::vector<ObjectBox*> boxes_of(const QGraphicsView& canvas, const std::string& uid);

// Scrolls the box into view and right-clicks its text; the menu that opened, or null.
QMenu* right_click(QGraphicsView& canvas, ObjectBox& box);

// The menu's items in order: their captions, "-" for a separator.
QStringList menu_texts(const QMenu& menu);

// Clicks the item with this caption and runs its queued command; false (and
// the menu closed) when there is none.
bool choose(QMenu& menu, const QString& caption);

// Right-clicks the box and clicks the item; false when no menu opened or it has no such item.
bool choose_on(QGraphicsView& canvas, ObjectBox& box, const QString& caption);

}  // namespace ui_testing
