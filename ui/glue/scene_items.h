#pragma once

class QGraphicsItem;
class QGraphicsScene;

namespace glue {

// Takes a top-level item out of its scene and releases it. Items that are
// objects (boxes, which may still be inside one of their own handlers) go
// with deleteLater; plain items (lines, labels) handle no events and go at once.
void release_scene_item(QGraphicsScene& scene, QGraphicsItem* item);

// Releases every top-level item of the scene; children go with their parents.
void release_scene_items(QGraphicsScene& scene);

}  // namespace glue
