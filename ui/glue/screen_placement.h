#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// Placing windows inside the working area (the screen without panels and task
// bars) of the screen concerned, its origin included, so that windows on a
// second monitor or beside a top or left panel stay where they belong.
namespace glue {

// The available geometry of the screen under the mouse pointer, and of the
// screen holding a point (the nearest screen when none holds it).
QRect available_geometry_under_mouse();
QRect available_geometry_at(const QPoint& point);

// fx and fy of the working area under the pointer, measured from its corner
// (a position) or as a size.
QPoint screen_pos(double fx, double fy);
QSize screen_size(double fx, double fy);

// The point moved left and up so that a window of this size ends at least
// margin inside the right and bottom edges, but never beyond the left or top.
QPoint clamp_near_edges(const QRect& available, const QPoint& point, const QSize& size, int margin);

// Moves the window there, within the working area of the screen at point.
void place_near_edges(QWidget& window, const QPoint& point, int margin);

}  // namespace glue
