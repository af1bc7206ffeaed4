#pragma once

#include <QPointer>
#include <QWidget>
#include <optional>

class QAbstractButton;
class QLabel;
class QMenuBar;

namespace toolkit {

class GlyphButton;

// The program's own title bar: the icon, an optional menu bar, the title and
// the window buttons (close; minimise and maximise for resizable windows).
// A drag on the bar, the icon or the title is handed to the window, which
// moves or sizes itself through the window system. The drag starts only once
// the pointer has left the drag distance: a window manager that took over at
// the press would swallow the second click of a double click.
class TitleBar : public QWidget {
    Q_OBJECT
public:
    TitleBar(const QString& title, bool with_min_max, QWidget* window);

    void set_title(const QString& title);
    QString title() const;
    // The menu bar sits between the icon and the title.
    void set_menu_bar(QMenuBar* menu_bar);

    // Sizes for the application font F: height F + 14, icon (F + 2) square at
    // (8, 5), the title 5 px right of the icon or the menu bar, buttons
    // round(1.4 x height) wide from the right: close, maximise, minimise.
    void apply_size();
    void apply_colours(const QColor& background, const QColor& text);
    void set_maximised_glyph(bool maximised);
    // For windows that are never minimised; the other buttons keep their places.
    void hide_minimise();

    static int height_for_font(int font_height) { return font_height + 14; }
    int icon_right() const;

signals:
    void closeClicked();
    void minimiseClicked();
    void maximiseClicked();
    // A left press held and moved past the drag distance, given at the
    // press position; a left double click (window coordinates).
    void dragStarted(QPoint window_pos);
    void doubleClicked(QPoint window_pos);
    void hovered(QPoint window_pos);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void place_children();

    QLabel* icon_;
    QLabel* title_;
    QPointer<QMenuBar> menu_bar_;
    GlyphButton* close_;
    GlyphButton* maximise_ = nullptr;
    GlyphButton* minimise_ = nullptr;
    // Where the left button went down, while no drag has started from it.
    std::optional<QPoint> press_pos_;
};

}  // namespace toolkit
