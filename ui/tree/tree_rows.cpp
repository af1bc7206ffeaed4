#include "ui/tree/tree_rows.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

#include "ui/glue/text_conversion.h"

namespace object_tree {

namespace {

// Taking children one by one costs the model a pass over its persistent
// indexes each; a longer changed span is taken in one go.
constexpr int one_by_one_limit = 32;

ObjectItem& child_at(const QTreeWidgetItem& parent, int index) {
    return *static_cast<ObjectItem*>(parent.child(index));
}

}  // namespace

void refresh_item(ObjectItem& item, const TreeRow& row, const TreePictures& pictures) {
    if (item.text != row.text) {
        item.text = row.text;
        item.setText(0, glue::to_ui(row.text));
    }
    if (item.picture != row.picture || pictures.remade) {
        item.picture = row.picture;
        item.setIcon(0, row.picture < pictures.icons.size() ? pictures.icons[row.picture] : QIcon());
    }
}

bool sync_children(QTreeWidgetItem& parent, const std::vector<TreeRow>& rows, const TreePictures& pictures) {
    const int old_count = parent.childCount();
    const int new_count = static_cast<int>(rows.size());
    int first = 0;  // the children before first are unchanged
    while (first < std::min(old_count, new_count) && child_at(parent, first).uid == *rows[first].uid) ++first;
    int kept_tail = 0;  // and so are the last kept_tail ones
    while (kept_tail < std::min(old_count, new_count) - first &&
           child_at(parent, old_count - 1 - kept_tail).uid == *rows[new_count - 1 - kept_tail].uid)
        ++kept_tail;

    const int old_end = old_count - kept_tail;
    const bool reshaped = first < old_end || first < new_count - kept_tail;
    if (reshaped) {
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
        std::unordered_map<std::string_view, std::vector<QTreeWidgetItem*>> by_uid;
        for (auto item = taken.rbegin(); item != taken.rend(); ++item)
            by_uid[static_cast<ObjectItem*>(*item)->uid].push_back(*item);
        QList<QTreeWidgetItem*> middle;
        for (int index = first; index < new_count - kept_tail; ++index) {
            const auto found = by_uid.find(*rows[index].uid);
            if (found == by_uid.end() || found->second.empty()) {
                middle.append(new ObjectItem(*rows[index].uid));
                continue;
            }
            middle.append(found->second.back());
            found->second.pop_back();
        }
        parent.insertChildren(first, middle);
        if (!tail.isEmpty()) parent.addChildren(tail);
        for (const auto& [uid, unused] : by_uid) qDeleteAll(unused);
    }

    for (int index = 0; index < new_count; ++index) refresh_item(child_at(parent, index), rows[index], pictures);
    return reshaped;
}

}  // namespace object_tree
