#include "ui/toolkit/frame_geometry.h"

#include <algorithm>

namespace toolkit {

FrameArea frame_area(const QPoint& pos, const QSize& size, int border, bool maximised, bool in_draggable_area) {
    if (maximised) return in_draggable_area ? FrameArea::Caption : FrameArea::Client;
    const bool left = pos.x() < border;
    const bool right = pos.x() > size.width() - border;
    const bool top = pos.y() < border;
    const bool bottom = pos.y() > size.height() - border;
    if (left && top) return FrameArea::TopLeft;
    if (right && top) return FrameArea::TopRight;
    if (left && bottom) return FrameArea::BottomLeft;
    if (right && bottom) return FrameArea::BottomRight;
    if (bottom) return FrameArea::Bottom;
    if (left) return FrameArea::Left;
    if (right) return FrameArea::Right;
    return in_draggable_area ? FrameArea::Caption : FrameArea::Client;
}

Qt::Edges edges_of(FrameArea area) {
    switch (area) {
    case FrameArea::Left: return Qt::LeftEdge;
    case FrameArea::Right: return Qt::RightEdge;
    case FrameArea::Bottom: return Qt::BottomEdge;
    case FrameArea::TopLeft: return Qt::TopEdge | Qt::LeftEdge;
    case FrameArea::TopRight: return Qt::TopEdge | Qt::RightEdge;
    case FrameArea::BottomLeft: return Qt::BottomEdge | Qt::LeftEdge;
    case FrameArea::BottomRight: return Qt::BottomEdge | Qt::RightEdge;
    case FrameArea::Client:
    case FrameArea::Caption: break;
    }
    return {};
}

Qt::CursorShape cursor_of(FrameArea area) {
    switch (area) {
    case FrameArea::Left:
    case FrameArea::Right: return Qt::SizeHorCursor;
    case FrameArea::Bottom: return Qt::SizeVerCursor;
    case FrameArea::TopLeft:
    case FrameArea::BottomRight: return Qt::SizeFDiagCursor;
    case FrameArea::TopRight:
    case FrameArea::BottomLeft: return Qt::SizeBDiagCursor;
    case FrameArea::Client:
    case FrameArea::Caption: break;
    }
    return Qt::ArrowCursor;
}

QRect resized_geometry(const QRect& start, Qt::Edges edges, const QPoint& delta, const QSize& minimum) {
    int left = start.left();
    int top = start.top();
    int right = start.left() + start.width();
    int bottom = start.top() + start.height();
    if (edges & Qt::LeftEdge) left = std::min(left + delta.x(), right - minimum.width());
    if (edges & Qt::RightEdge) right = std::max(right + delta.x(), left + minimum.width());
    if (edges & Qt::TopEdge) top = std::min(top + delta.y(), bottom - minimum.height());
    if (edges & Qt::BottomEdge) bottom = std::max(bottom + delta.y(), top + minimum.height());
    return QRect(left, top, right - left, bottom - top);
}

}  // namespace toolkit
