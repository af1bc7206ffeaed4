#include "ui/toolkit/app_scroll_label.h"

#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <QWheelEvent>

#include "ui/theme/fonts.h"
#include "ui/theme/scheme.h"

namespace toolkit {

AppScrollLabel::AppScrollLabel(QWidget* parent, const QString& text, const QFont& font, int x, int y, int w, int h)
    : QWidget(parent) {
    setGeometry(x, y, w, h);
    setAutoFillBackground(true);
    scroll_.set_font(font);
    scroll_.set_client_size(size());
    scroll_.set_text(text);
    update_region_to_rounded_bottom_corners();
}

void AppScrollLabel::set_text(const QString& text) {
    scroll_.set_text(text);
    update();
}

void AppScrollLabel::set_font(const QFont& font) {
    scroll_.set_font(font);
    update();
}

void AppScrollLabel::resizeEvent(QResizeEvent*) { scroll_.set_client_size(size()); }

void AppScrollLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    scroll_.paint(painter, palette().color(QPalette::WindowText), palette().color(QPalette::Window));
}

void AppScrollLabel::wheelEvent(QWheelEvent* event) {
    if (scroll_.wheel(event->angleDelta().y())) {
        update();
        event->accept();
    } else {
        event->ignore();
    }
}

void AppScrollLabel::update_region_to_rounded_bottom_corners() {
    const int r = static_cast<int>(0.5 * gcm::canvas_font_height()) - gcm::box_border_thickness;
    if (r <= 0) return;
    QPainterPath outline;
    outline.moveTo(0, 0);
    outline.lineTo(width(), 0);
    outline.lineTo(width(), height() - r);
    outline.arcTo(QRectF(width() - 2 * r, height() - 2 * r, 2 * r, 2 * r), 0, -90);
    outline.arcTo(QRectF(0, height() - 2 * r, 2 * r, 2 * r), 270, -90);
    outline.closeSubpath();
    setMask(QRegion(outline.toFillPolygon().toPolygon()));
}

}  // namespace toolkit
