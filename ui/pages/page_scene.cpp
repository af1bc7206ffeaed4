#include "ui/pages/page_scene.h"

#include <QGraphicsScene>
#include <functional>
#include <string_view>
#include <unordered_map>

#include "ui/boxes/box_style.h"
#include "ui/boxes/object_box.h"
#include "ui/glue/scene_items.h"
#include "ui/pages/connector_item.h"

namespace pages {
namespace {

using page_geometry::BoxDescription;
using page_geometry::LabelDescription;
using page_geometry::LineDescription;

// Folds a value's hash into a seed (the usual golden-ratio combination).
size_t mixed(size_t seed, size_t value) { return seed ^ (value + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2)); }

size_t key_of(const BoxDescription& box) { return std::hash<std::string_view>{}(box.uid); }

size_t key_of(const LineDescription& line) {
    size_t key = static_cast<size_t>(line.axis);
    for (const int value : {line.from.x, line.from.y, line.to.x, line.to.y, line.elbow})
        key = mixed(key, std::hash<int>{}(value));
    return key;
}

size_t key_of(const LabelDescription& label) {
    return mixed(mixed(std::hash<std::string_view>{}(label.text), std::hash<int>{}(label.rect.x)),
                 std::hash<int>{}(label.rect.y));
}

const BoxDescription& description_of(const ObjectBox* box) { return box->description(); }
const LineDescription& description_of(const ConnectorItem* line) { return line->line(); }
const LabelDescription& description_of(const LabelItem* label) { return label->label(); }

// Within a layer, a later description stacks above an earlier one.
double z_of(page_geometry::Layer layer, size_t index, size_t count) {
    return static_cast<double>(layer) + static_cast<double>(index + 1) / static_cast<double>(count + 2);
}

void place(QGraphicsItem& item, page_geometry::Layer layer, size_t index, size_t count) {
    const double z = z_of(layer, index, count);
    // Setting even an equal z-value costs a round through the item's change handler.
    if (item.zValue() != z) item.setZValue(z);
}

// Matches the new descriptions against the items shown: an item with an equal
// description is kept (refresh runs on it), the others are made anew (make)
// or released; `items` ends up in the order of `descriptions`. After a small
// edit nearly everything matches at the same place from the front or from the
// back, so only the items between are matched through a hashed lookup.
template <class Item, class Description, class Make, class Refresh, class Release>
void update(std::vector<Item*>& items, const std::vector<Description>& descriptions, Make make, Refresh refresh,
            Release release) {
    const size_t count = descriptions.size();
    size_t front = 0;
    while (front < count && front < items.size() && description_of(items[front]) == descriptions[front]) ++front;
    size_t back = 0;
    while (back < count - front && back < items.size() - front &&
           description_of(items[items.size() - 1 - back]) == descriptions[count - 1 - back])
        ++back;

    std::unordered_multimap<size_t, Item*> shown;
    shown.reserve(items.size() - front - back);
    for (size_t i = front; i < items.size() - back; ++i) shown.emplace(key_of(description_of(items[i])), items[i]);

    std::vector<Item*> next;
    next.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        const Description& description = descriptions[i];
        Item* item = nullptr;
        if (i < front) {
            item = items[i];
        } else if (i >= count - back) {
            item = items[items.size() - (count - i)];
        } else {
            auto [first, last] = shown.equal_range(key_of(description));
            for (auto it = first; it != last; ++it)
                if (description_of(it->second) == description) {
                    item = it->second;
                    shown.erase(it);
                    break;
                }
        }
        if (item)
            refresh(*item);
        else
            item = make(description);
        place(*item, description.layer, i, count);
        next.push_back(item);
    }
    for (const auto& [key, item] : shown) release(item);
    items = std::move(next);
}

}  // namespace

void PageScene::show(const page_geometry::PageGeometry& page, std::shared_ptr<const BoxStyle> style) {
    if (!style) style = BoxStyle::current();
    if (style->font() != font_) {
        clear();
        font_ = style->font();
    }
    const auto release_item = [this](QGraphicsItem* item) { release(item); };
    const auto keep = [](QGraphicsItem&) {};
    update(
        lines_, page.lines,
        [this](const LineDescription& line) {
            auto* item = new ConnectorItem(line);
            scene_.addItem(item);
            return item;
        },
        keep, release_item);
    update(
        boxes_, page.boxes,
        [this, &style](const BoxDescription& box) {
            // Like a kept box, it reads its object when it is drawn or looked at.
            auto* item = new ObjectBox(box, style, ObjectBox::Content::Stale);
            scene_.addItem(item);
            return item;
        },
        [](ObjectBox& box) { box.mark_stale(); }, release_item);
    update(
        labels_, page.labels,
        [this](const LabelDescription& label) {
            auto* item = new LabelItem(label, font_);
            scene_.addItem(item);
            return item;
        },
        keep, release_item);
}

void PageScene::clear() {
    for (ConnectorItem* item : lines_) release(item);
    for (ObjectBox* item : boxes_) release(item);
    for (LabelItem* item : labels_) release(item);
    lines_.clear();
    boxes_.clear();
    labels_.clear();
}

void PageScene::release(QGraphicsItem* item) { glue::release_scene_item(scene_, item); }

void bring_boxes_up_to_date(QGraphicsScene& scene, const QRectF& part) {
    for (QGraphicsItem* item : scene.items(part, Qt::IntersectsItemBoundingRect))
        if (const auto* box = qgraphicsitem_cast<ObjectBox*>(item)) box->bring_up_to_date();
}

}  // namespace pages
