#pragma once

#include <QColor>
#include <QPushButton>

namespace toolkit {

// A rounded push button in the scheme colours. A height of 0 becomes the font
// height + 8, then a width of 0 becomes four times the height.
class AppButton : public QPushButton {
    Q_OBJECT
public:
    AppButton(QWidget* parent, const QString& text, const QFont& font, int x, int y, int w, int h);
    // In the application font.
    AppButton(QWidget* parent, const QString& text, int x, int y, int w, int h);

    QColor border_color() const { return border_color_; }
    void set_border_color(const QColor& colour);
    void set_colours(const QColor& background, const QColor& text, const QColor& border);

protected:
    void paintEvent(QPaintEvent* event) override;
    // A focused button is pressed by Enter as by Space.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Kept apart from the palette, which style sheets of enclosing widgets replace.
    QColor background_;
    QColor text_;
    QColor border_color_;
};

}  // namespace toolkit
