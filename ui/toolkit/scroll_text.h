#pragma once

#include <QFont>
#include <QSize>
#include <QString>

class QPainter;
class QColor;
class QRect;

namespace toolkit {

// A word-wrapped text that scrolls by the mouse wheel inside a fixed area and
// shows fading bands where more text lies above or below. Shared by the
// scrolling label and the text of the object boxes on the canvas.
class ScrollText {
public:
    void set_text(const QString& text);
    void set_font(const QFont& font);
    // The area the text is shown in.
    void set_client_size(const QSize& size);

    const QString& text() const { return text_; }
    const QFont& font() const { return font_; }
    QSize size_needed() const { return size_needed_; }
    double offset() const { return offset_; }
    double max_scroll() const { return max_scroll_; }
    double line_height() const { return line_height_; }

    // A wheel turn of angle_delta (120 per notch, less on touchpads): the text
    // moves by that fraction of a line. False when nothing can scroll, so the
    // wheel goes on to what lies behind.
    bool wheel(double angle_delta);

    void paint(QPainter& painter, const QColor& text_colour, const QColor& background) const;

private:
    void measure();
    void clamp();

    QString text_;
    QFont font_;
    QSize client_;
    QSize size_needed_;
    double offset_ = 0.0;
    double max_scroll_ = 0.0;
    double line_height_ = 0.0;
};

}  // namespace toolkit
