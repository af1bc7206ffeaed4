#pragma once

#include <QImage>
#include <QRect>

#include "ui/picture/picture_rules.h"

class CanvasView;
class QPainter;

// Pictures of the canvas drawn from its scene, never taken from the screen:
// no other window, tooltip or cursor can appear in them, and neither the
// size of the visible area nor the scroll position changes what the whole
// page looks like.
namespace picture {

// The whole page at a zoom in percent: its size in pixels.
PixelSize page_size(const CanvasView& canvas, int zoom_percent);

// The whole page drawn at a zoom into an image of page_size (null when that
// size is not valid).
QImage render_page(const CanvasView& canvas, int zoom_percent);

// The whole page drawn into target on any paint device, its aspect kept.
void paint_page(const CanvasView& canvas, QPainter& painter, const QRectF& target);

// A part of the visible area (in the coordinates of the canvas's viewport)
// as it is drawn now, at the canvas's zoom and scroll position.
QImage render_visible(CanvasView& canvas, const QRect& area);

}  // namespace picture
