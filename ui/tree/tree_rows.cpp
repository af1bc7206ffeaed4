#include "ui/tree/tree_rows.h"

#include <QHash>
#include <QTreeWidgetItem>
#include <algorithm>

namespace object_tree {

namespace {

// Taking children one by one costs the model a pass over its persistent
// indexes each; a longer changed span is taken in one go.
constexpr int one_by_one_limit = 32;

QString uid_at(const QTreeWidgetItem& parent, int index) { return parent.child(index)->data(0, uid_role).toString(); }

QTreeWidgetItem* new_item(const TreeRow& row) {
    auto* item = new QTreeWidgetItem(QStringList(row.text));
    item->setIcon(0, row.icon);
    item->setData(0, uid_role, row.uid);
    return item;
}

}  // namespace

void refresh_item(QTreeWidgetItem& item, const TreeRow& row) {
    if (item.text(0) != row.text) item.setText(0, row.text);
    if (item.icon(0).cacheKey() != row.icon.cacheKey()) item.setIcon(0, row.icon);
}

std::vector<QTreeWidgetItem*> sync_children(QTreeWidgetItem& parent, const std::vector<TreeRow>& rows) {
    const int old_count = parent.childCount();
    const int new_count = static_cast<int>(rows.size());
    int first = 0;  // the children before first are unchanged
    while (first < std::min(old_count, new_count) && uid_at(parent, first) == rows[first].uid) ++first;
    int kept_tail = 0;  // and so are the last kept_tail ones
    while (kept_tail < std::min(old_count, new_count) - first &&
           uid_at(parent, old_count - 1 - kept_tail) == rows[new_count - 1 - kept_tail].uid)
        ++kept_tail;

    const int old_end = old_count - kept_tail;
    if (first < old_end || first < new_count - kept_tail) {
        QList<QTreeWidgetItem*> tail;
        QList<QTreeWidgetItem*> taken;
        if (old_end - first > one_by_one_limit) {
            QList<QTreeWidgetItem*> all = parent.takeChildren();
            tail = all.mid(old_end);
            taken = all.mid(first, old_end - first);
            parent.addChildren(all.mid(0, first));
        } else {
            for (int index = old_end - 1; index >= first; --index) taken.prepend(parent.takeChild(index));
        }
        // An object may be shown twice under one parent: its items are reused in order.
        QHash<QString, QList<QTreeWidgetItem*>> by_uid;
        for (QTreeWidgetItem* item : taken) by_uid[item->data(0, uid_role).toString()].append(item);
        QList<QTreeWidgetItem*> middle;
        for (int index = first; index < new_count - kept_tail; ++index) {
            const auto found = by_uid.find(rows[index].uid);
            if (found == by_uid.end() || found->isEmpty()) {
                middle.append(new_item(rows[index]));
                continue;
            }
            middle.append(found->takeFirst());
        }
        parent.insertChildren(first, middle);
        if (!tail.isEmpty()) parent.addChildren(tail);
        for (const QList<QTreeWidgetItem*>& unused : std::as_const(by_uid)) qDeleteAll(unused);
    }

    std::vector<QTreeWidgetItem*> children;
    children.reserve(rows.size());
    for (int index = 0; index < new_count; ++index) {
        QTreeWidgetItem* child = parent.child(index);
        refresh_item(*child, rows[index]);
        children.push_back(child);
    }
    return children;
}

}  // namespace object_tree
