#pragma once

#include <QDialog>
#include <QRect>

namespace toolkit {

class TitleBar;

// Base of every window of the program: no system frame, its own title bar in
// the scheme colours, moved by dragging the title bar (through the window
// system), the panel colour as background. The native title (what task bars
// and window switchers show) is the window's own title.
class AppFormBase : public QDialog {
    Q_OBJECT
public:
    // title is shown in the title bar; native_title (the title itself when
    // empty) is given to the window system.
    explicit AppFormBase(const QString& title, QWidget* parent = nullptr, const QString& native_title = QString());

    TitleBar* title_bar() const { return title_bar_; }
    // F + 14, F the height of the application font.
    int title_bar_height() const;

    // Size and colour the title bar for the current font and scheme.
    virtual void set_tb_size();
    virtual void set_tb_color();

protected:
    // A resizable window's title bar also has the minimise and maximise buttons.
    AppFormBase(const QString& title, QWidget* parent, const QString& native_title, bool with_min_max);

    // The area inside the sizing margins; the title bar spans its width.
    virtual QRect client_rect() const { return rect(); }
    // In the title bar and on no control of it.
    bool is_in_draggable_area(const QPoint& pos) const;
    // A drag begun on the title bar at pos.
    virtual void on_title_bar_drag(const QPoint& pos);
    virtual void on_title_bar_double_click(const QPoint&) {}
    virtual void on_title_bar_hover(const QPoint&) {}
    // Message boxes report their own failures on the console, never in another box.
    virtual bool is_message_box() const { return false; }

    // Moves the window with the pointer, through the window system when it can.
    void start_system_move();
    // Sizes the window by the given edges, through the window system when it can.
    void start_system_resize(Qt::Edges edges);

    // Lays the window's own children out again (after every resize); the title bar is placed already.
    virtual void relayout() {}
    void place_title_bar();

    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void report_title_bar_failure(const char* what);

    TitleBar* title_bar_;
    // A drag the window system could not take over: the edges being dragged
    // (none for a move), the geometry and pointer position at its start.
    bool manual_drag_ = false;
    Qt::Edges drag_edges_;
    QRect drag_start_geometry_;
    QPoint drag_start_pointer_;
};

}  // namespace toolkit
