#pragma once

#include <QIcon>
#include <QString>
#include <vector>

class QTreeWidgetItem;

namespace object_tree {

// The item data role that holds the uid of an object's item.
constexpr int uid_role = Qt::UserRole;

// One wanted child item: the object's uid, its text and its picture.
struct TreeRow {
    QString uid;
    QString text;
    QIcon icon;
};

// Brings the children of parent to rows, in that order, keeping the items of
// the uids that stay: their text and picture change only where they differ,
// the items of uids no longer wanted are deleted and new uids get new items.
// Only the span between the unchanged first and last children is reordered.
// Returns the children in row order.
std::vector<QTreeWidgetItem*> sync_children(QTreeWidgetItem& parent, const std::vector<TreeRow>& rows);

// Gives an item the text and picture of row where they differ.
void refresh_item(QTreeWidgetItem& item, const TreeRow& row);

}  // namespace object_tree
