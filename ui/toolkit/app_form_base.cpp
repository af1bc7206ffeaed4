#include "ui/toolkit/app_form_base.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>
#include <exception>

#include "ui/theme/fonts.h"
#include "ui/theme/scheme.h"
#include "ui/toolkit/frame_geometry.h"
#include "ui/toolkit/message_box.h"
#include "ui/toolkit/title_bar.h"

namespace toolkit {

AppFormBase::AppFormBase(const QString& title, QWidget* parent, const QString& native_title)
    : AppFormBase(title, parent, native_title, false) {}

AppFormBase::AppFormBase(const QString& title, QWidget* parent, const QString& native_title, bool with_min_max)
    : QDialog(parent, (parent ? Qt::Dialog : Qt::Window) | Qt::FramelessWindowHint),
      title_bar_(new TitleBar(title, with_min_max, this)) {
    setWindowTitle(native_title.isEmpty() ? title.trimmed() : native_title);
    setAutoFillBackground(true);
    setMouseTracking(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, gcm::scheme().panel_color);
    palette.setColor(QPalette::WindowText, gcm::scheme().panel_text_color);
    setPalette(palette);
    setFont(gcm::app_font());
    // As a close request of the system: a dialog is cancelled, the main window asks first.
    connect(title_bar_, &TitleBar::closeClicked, this, &QWidget::close);
    connect(title_bar_, &TitleBar::dragStarted, this, [this](QPoint pos) { on_title_bar_drag(pos); });
    connect(title_bar_, &TitleBar::doubleClicked, this, [this](QPoint pos) { on_title_bar_double_click(pos); });
    connect(title_bar_, &TitleBar::hovered, this, [this](QPoint pos) { on_title_bar_hover(pos); });
    AppFormBase::set_tb_size();
    AppFormBase::set_tb_color();
}

int AppFormBase::title_bar_height() const { return TitleBar::height_for_font(gcm::app_font_height()); }

void AppFormBase::set_tb_size() {
    try {
        title_bar_->apply_size();
        place_title_bar();
    } catch (const std::exception& failure) {
        report_title_bar_failure(failure.what());
    }
}

void AppFormBase::set_tb_color() {
    try {
        const gcm::TitleBarColours colours = gcm::title_bar_colours(gcm::scheme().panel_color);
        title_bar_->apply_colours(colours.background, colours.text);
    } catch (const std::exception& failure) {
        report_title_bar_failure(failure.what());
    }
}

void AppFormBase::report_title_bar_failure(const char* what) {
    if (is_message_box())
        qWarning("Title bar of a message box: %s", what);
    else
        show_error(QString::fromUtf8(what));
}

void AppFormBase::place_title_bar() {
    const QRect client = client_rect();
    title_bar_->setGeometry(client.x(), 0, client.width(), title_bar_->height());
}

bool AppFormBase::is_in_draggable_area(const QPoint& pos) const {
    if (pos.y() < 0 || pos.y() >= title_bar_height()) return false;
    const QWidget* child = childAt(pos);
    // The title bar itself and its title and icon (which pass presses on) are draggable.
    return child == title_bar_ || (child && child->parentWidget() == title_bar_ &&
                                   child->testAttribute(Qt::WA_TransparentForMouseEvents));
}

void AppFormBase::on_title_bar_drag(const QPoint&) { start_system_move(); }

void AppFormBase::start_system_move() {
    if (windowHandle() && windowHandle()->startSystemMove()) return;
    manual_drag_ = true;
    drag_edges_ = {};
    drag_start_geometry_ = geometry();
    drag_start_pointer_ = QCursor::pos();
    grabMouse();
}

void AppFormBase::start_system_resize(Qt::Edges edges) {
    if (windowHandle() && windowHandle()->startSystemResize(edges)) return;
    manual_drag_ = true;
    drag_edges_ = edges;
    drag_start_geometry_ = geometry();
    drag_start_pointer_ = QCursor::pos();
    grabMouse();
}

void AppFormBase::mouseMoveEvent(QMouseEvent* event) {
    if (!manual_drag_) return QDialog::mouseMoveEvent(event);
    const QPoint delta = event->globalPosition().toPoint() - drag_start_pointer_;
    if (!drag_edges_)
        move(drag_start_geometry_.topLeft() + delta);
    else
        setGeometry(resized_geometry(drag_start_geometry_, drag_edges_, delta, minimumSize()));
}

void AppFormBase::mouseReleaseEvent(QMouseEvent* event) {
    if (manual_drag_) {
        manual_drag_ = false;
        releaseMouse();
    }
    QDialog::mouseReleaseEvent(event);
}

void AppFormBase::resizeEvent(QResizeEvent* event) {
    place_title_bar();
    relayout();
    QDialog::resizeEvent(event);
}

void AppFormBase::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    // Without a system frame a thin outline keeps the window apart from what lies behind.
    QPainter painter(this);
    painter.setPen(QPen(gcm::scheme().btn_border_color, gcm::box_border_thickness));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace toolkit
