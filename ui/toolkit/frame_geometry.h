#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <Qt>

// Where a press on a frameless window moves or sizes it, in window coordinates.
namespace toolkit {

enum class FrameArea { Client, Caption, Left, Right, Bottom, TopLeft, TopRight, BottomLeft, BottomRight };

// The sizing areas lie within border pixels of the left, right and bottom
// edges and at the two top corners; the top edge alone belongs to the title
// bar. A maximised window is not sized: its draggable area is the caption.
FrameArea frame_area(const QPoint& pos, const QSize& size, int border, bool maximised, bool in_draggable_area);

Qt::Edges edges_of(FrameArea area);
Qt::CursorShape cursor_of(FrameArea area);

// The geometry after dragging the given edges by delta, no smaller than minimum.
QRect resized_geometry(const QRect& start, Qt::Edges edges, const QPoint& delta, const QSize& minimum);

}  // namespace toolkit
