#include "ui/glue/scene_items.h"

#include <QGraphicsItem>
#include <QGraphicsObject>
#include <QGraphicsScene>

namespace glue {

void release_scene_item(QGraphicsScene& scene, QGraphicsItem* item) {
    scene.removeItem(item);
    if (QGraphicsObject* object = item->toGraphicsObject())
        object->deleteLater();
    else
        delete item;
}

void release_scene_items(QGraphicsScene& scene) {
    for (QGraphicsItem* item : scene.items())
        if (!item->parentItem()) release_scene_item(scene, item);
}

}  // namespace glue
