#pragma once

#include "ui/toolkit/app_form_base.h"

namespace toolkit {

// A frameless window with minimise and maximise buttons, sized at its left,
// right and bottom edges and its top corners (6 px), maximised and restored by
// a double click on the title bar. It keeps the bounds it had before
// maximising and returns to them.
class AppFormResizable : public AppFormBase {
    Q_OBJECT
public:
    explicit AppFormResizable(const QString& title, QWidget* parent = nullptr,
                              const QString& native_title = QString());

    static constexpr int resize_border = 6;

    // Maximised: back to the bounds before; otherwise remember them and maximise.
    void toggle_maximised();
    // Fills the working area of its screen, also where no window manager does it.
    void show_maximised();

protected:
    QRect client_rect() const override;
    void on_title_bar_drag(const QPoint& pos) override;
    void on_title_bar_double_click(const QPoint& pos) override;
    void on_title_bar_hover(const QPoint& pos) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void press_at(const QPoint& pos);
    void show_cursor_for(const QPoint& pos);

    QRect normal_bounds_;
    bool normal_bounds_set_ = false;
};

}  // namespace toolkit
