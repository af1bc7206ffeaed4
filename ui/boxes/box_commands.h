#pragma once

#include <QPoint>
#include <QPointer>
#include <functional>
#include <string>

#include "ui/geometry/page_description.h"

class Node;
class ObjectBox;
class QMenu;

// What a command of a box's context menu knows of its box: the object's uid
// and what the page offered, never a pointer to the object. Open rebuilds
// every object at a new address, undo and redo may delete, recreate or rebuild
// any of them, and a rebuild releases the box itself, so a handler resolves the object again after every dialog.
struct BoxCommandContext {
    page_geometry::BoxDescription description;
    // The screen point where the command's dialogs and windows open.
    QPoint dialog_position;
    // Null once the page was drawn anew.
    QPointer<ObjectBox> box;

    const std::string& uid() const { return description.uid; }
    // The object now: null when it is gone, or when there is no main window or
    // current project.
    Node* node() const;
};

// The commands of one kind of box: its own menu items, which come before the
// common ones, its double click and, where the kind has one, the command a
// click on its readiness picture runs. The object was alive when the menu was
// built; every handler still resolves it first.
struct BoxKindCommands {
    std::function<void(QMenu& menu, const BoxCommandContext& context, Node& node)> add_items;
    std::function<void(const BoxCommandContext& context)> double_click;
    std::function<void(const BoxCommandContext& context)> readiness_click = {};
};

namespace boxes {

// The object of the uid in the current project, or null when it is gone or
// there is no main window or current project.
Node* resolve(const std::string& uid);

// Each kind plugs in its commands once; a kind without them has only the common ones.
void install_kind_commands(page_geometry::NodeKind kind, BoxKindCommands commands);
const BoxKindCommands* kind_commands(page_geometry::NodeKind kind);
void remove_all_kind_commands();

}  // namespace boxes
