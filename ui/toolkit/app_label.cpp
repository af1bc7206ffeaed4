#include "ui/toolkit/app_label.h"

#include "ui/theme/fonts.h"

namespace toolkit {

AppLabel::AppLabel(QWidget* parent) : QLabel(parent) { setTextFormat(Qt::PlainText); }

AppLabel::AppLabel(QWidget* parent, const QString& text, const QFont& font, int x, int y, const QColor& colour)
    : AppLabel(parent) {
    move(x, y);
    setFont(font);
    setText(text);
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, colour);
    setPalette(palette);
    adjustSize();
}

AppLabel::AppLabel(QWidget* parent, const QString& text, int x, int y, const QColor& colour)
    : AppLabel(parent, text, gcm::app_font(), x, y, colour) {}

AppPanel::AppPanel(QWidget* parent, int x, int y, int w, int h, const QColor& colour) : QWidget(parent) {
    setGeometry(x, y, w, h);
    setAutoFillBackground(true);
    set_colour(colour);
}

void AppPanel::set_colour(const QColor& colour) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colour);
    setPalette(palette);
}

}  // namespace toolkit
