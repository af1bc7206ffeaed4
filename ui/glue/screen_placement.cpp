#include "ui/glue/screen_placement.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace glue {
namespace {

QScreen* screen_at(const QPoint& point) {
    if (QScreen* screen = QGuiApplication::screenAt(point)) return screen;
    // Outside every screen: the nearest one.
    QScreen* nearest = QGuiApplication::primaryScreen();
    long best = -1;
    for (QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->geometry();
        const long dx = std::max({0, area.left() - point.x(), point.x() - area.right()});
        const long dy = std::max({0, area.top() - point.y(), point.y() - area.bottom()});
        const long distance = dx * dx + dy * dy;
        if (best < 0 || distance < best) {
            best = distance;
            nearest = screen;
        }
    }
    return nearest;
}

}  // namespace

QRect available_geometry_at(const QPoint& point) {
    QScreen* screen = screen_at(point);
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

QRect available_geometry_under_mouse() { return available_geometry_at(QCursor::pos()); }

QPoint screen_pos(double fx, double fy) {
    const QRect area = available_geometry_under_mouse();
    return area.topLeft() + QPoint(static_cast<int>(area.width() * fx), static_cast<int>(area.height() * fy));
}

QSize screen_size(double fx, double fy) {
    const QRect area = available_geometry_under_mouse();
    return QSize(static_cast<int>(area.width() * fx), static_cast<int>(area.height() * fy));
}

QPoint clamp_near_edges(const QRect& available, const QPoint& point, const QSize& size, int margin) {
    const int max_x = available.x() + available.width() - margin - size.width();
    const int max_y = available.y() + available.height() - margin - size.height();
    return QPoint(std::max(available.x(), std::min(point.x(), max_x)),
                  std::max(available.y(), std::min(point.y(), max_y)));
}

void place_near_edges(QWidget& window, const QPoint& point, int margin) {
    window.move(clamp_near_edges(available_geometry_at(point), point, window.size(), margin));
}

}  // namespace glue
