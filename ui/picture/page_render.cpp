#include "ui/picture/page_render.h"

#include <QGraphicsScene>
#include <QPainter>

#include "ui/main_window/canvas_view.h"
#include "ui/pages/canvas_font.h"

namespace picture {

PixelSize page_size(const CanvasView& canvas, int zoom_percent) {
    const QRectF items = canvas.scene()->itemsBoundingRect();
    return page_pixels(items.isNull() ? 0.0 : items.right(), items.isNull() ? 0.0 : items.bottom(),
                       pages::canvas_font().height, zoom_percent);
}

namespace {

constexpr QPainter::RenderHints render_hints =
    QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform;

// The page at zoom 100 %: from the origin to the furthest item plus the margin.
QRectF page_scene_rect(const CanvasView& canvas) {
    const PixelSize size = page_size(canvas, 100);
    return QRectF(0, 0, static_cast<double>(size.width), static_cast<double>(size.height));
}

}  // namespace

QImage render_page(const CanvasView& canvas, int zoom_percent) {
    const PixelSize size = page_size(canvas, zoom_percent);
    if (memory_check(size.width, size.height) != MemoryVerdict::Fits) return {};
    QImage image(static_cast<int>(size.width), static_cast<int>(size.height), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) return {};
    QPainter painter(&image);
    const QRectF target(0, 0, image.width(), image.height());
    painter.fillRect(target, canvas.backgroundBrush());
    painter.setRenderHints(render_hints);
    // The same pixels per scene unit in both directions, as on the canvas.
    const double scale = zoom_percent / 100.0;
    const QRectF page(0, 0, target.width() / scale, target.height() / scale);
    canvas.prepare_drawing(page);
    canvas.scene()->render(&painter, target, page, Qt::IgnoreAspectRatio);
    return image;
}

void paint_page(const CanvasView& canvas, QPainter& painter, const QRectF& target) {
    painter.fillRect(target, canvas.backgroundBrush());
    painter.setRenderHints(render_hints);
    const QRectF page = page_scene_rect(canvas);
    canvas.prepare_drawing(page);
    canvas.scene()->render(&painter, target, page, Qt::KeepAspectRatio);
}

QImage render_visible(CanvasView& canvas, const QRect& area) {
    if (area.isEmpty()) return {};
    QImage image(area.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(canvas.backgroundBrush().color());
    QPainter painter(&image);
    painter.setRenderHints(render_hints);
    // Drawn from the scene through the view's transform and scroll position.
    canvas.render(&painter, QRectF(0, 0, area.width(), area.height()), area, Qt::IgnoreAspectRatio);
    return image;
}

}  // namespace picture
