#pragma once

#include <functional>

#include "ui/theme/captions.h"

class ObjectBox;
class QAction;
class QMenu;
class QWidget;

namespace boxes {

// An item with the caption's text and tooltip (shown literally); the handler
// runs when it is chosen, after the menu has closed and returned.
QAction* add_item(QMenu& menu, const gcm::Caption& caption, std::function<void()> handler);

// A separator, unless the menu is empty or already ends with one.
void add_separator(QMenu& menu);

// The box's context menu as its object is now: the items of its kind, then
// the common ones. Null when the object is gone. Released once it hides.
QMenu* build_box_menu(const ObjectBox& box, QWidget* parent);

// The box kind's double click, if it has one.
void run_double_click(const ObjectBox& box);

// The box kind's command behind its readiness picture, if it has one.
bool has_readiness_click(const ObjectBox& box);
void run_readiness_click(const ObjectBox& box);

}  // namespace boxes
