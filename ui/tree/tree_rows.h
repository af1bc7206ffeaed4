#pragma once

#include <QIcon>
#include <QTreeWidgetItem>
#include <cstddef>
#include <string>
#include <vector>

namespace object_tree {

// The item of an object: its uid, and its text and picture code as the model
// gave them, so that an unchanged object is recognised without converting
// its text.
class ObjectItem : public QTreeWidgetItem {
public:
    static constexpr int Type = QTreeWidgetItem::UserType + 1;
    explicit ObjectItem(std::string object_uid) : QTreeWidgetItem(Type), uid(std::move(object_uid)) {}

    const std::string uid;
    std::string text;
    size_t picture = no_picture;

    static constexpr size_t no_picture = static_cast<size_t>(-1);
};

// One wanted child item: the object's uid (held by the project while the
// rows are used), its text and the code of its picture.
struct TreeRow {
    const std::string* uid;
    std::string text;
    size_t picture;
};

// The pictures by code, and whether they were remade since the last update
// (every item then takes its picture again).
struct TreePictures {
    const std::vector<QIcon>& icons;
    bool remade;
};

// Gives an item the text and picture of row where they differ.
void refresh_item(ObjectItem& item, const TreeRow& row, const TreePictures& pictures);

// Brings the children of parent (all object items) to rows, in that order,
// keeping the items of the uids that stay: their text and picture change only
// where they differ, the items of uids no longer wanted are deleted and new
// uids get new items. Only the span between the unchanged first and last
// children is reordered. Returns whether any child was added, removed or
// moved; the children are then parent's children in row order.
bool sync_children(QTreeWidgetItem& parent, const std::vector<TreeRow>& rows, const TreePictures& pictures);

}  // namespace object_tree
