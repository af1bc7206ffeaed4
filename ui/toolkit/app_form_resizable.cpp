#include "ui/toolkit/app_form_resizable.h"

#include <QCursor>
#include <QEvent>
#include <QMouseEvent>

#include "ui/glue/screen_placement.h"
#include "ui/toolkit/frame_geometry.h"
#include "ui/toolkit/title_bar.h"

namespace toolkit {

AppFormResizable::AppFormResizable(const QString& title, QWidget* parent, const QString& native_title)
    : AppFormBase(title, parent, native_title, true) {
    TitleBar* bar = title_bar();
    connect(bar, &TitleBar::minimiseClicked, this, &QWidget::showMinimized);
    connect(bar, &TitleBar::maximiseClicked, this, &AppFormResizable::toggle_maximised);
}

QRect AppFormResizable::client_rect() const {
    if (isMaximized()) return rect();
    return rect().adjusted(resize_border, 0, -resize_border, -resize_border);
}

void AppFormResizable::toggle_maximised() {
    if (isMaximized()) {
        showNormal();
        if (normal_bounds_set_) setGeometry(normal_bounds_);
    } else {
        normal_bounds_ = geometry();
        normal_bounds_set_ = true;
        show_maximised();
    }
}

void AppFormResizable::show_maximised() {
    setGeometry(glue::available_geometry_at(isVisible() ? geometry().center() : QCursor::pos()));
    showMaximized();
}

void AppFormResizable::press_at(const QPoint& pos) {
    const FrameArea area =
        frame_area(pos, size(), resize_border, isMaximized(), is_in_draggable_area(pos));
    if (area == FrameArea::Caption)
        start_system_move();
    else if (const Qt::Edges edges = edges_of(area))
        start_system_resize(edges);
}

void AppFormResizable::show_cursor_for(const QPoint& pos) {
    const FrameArea area = frame_area(pos, size(), resize_border, isMaximized(), false);
    if (area == FrameArea::Client)
        unsetCursor();
    else
        setCursor(cursor_of(area));
}

void AppFormResizable::on_title_bar_drag(const QPoint& pos) { press_at(pos); }

void AppFormResizable::on_title_bar_double_click(const QPoint&) {
    toggle_maximised();
    // A restored window whose top lies above the screen comes down to it.
    if (!isMaximized() && y() < 0) move(x(), 0);
}

void AppFormResizable::on_title_bar_hover(const QPoint& pos) { show_cursor_for(pos); }

void AppFormResizable::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) press_at(event->position().toPoint());
    AppFormBase::mousePressEvent(event);
}

void AppFormResizable::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() == Qt::NoButton) show_cursor_for(event->position().toPoint());
    AppFormBase::mouseMoveEvent(event);
}

void AppFormResizable::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange) {
        title_bar()->set_maximised_glyph(isMaximized());
        // The sizing margins come and go with the maximised state.
        place_title_bar();
        relayout();
    }
    AppFormBase::changeEvent(event);
}

}  // namespace toolkit
