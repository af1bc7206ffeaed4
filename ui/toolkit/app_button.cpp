#include "ui/toolkit/app_button.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>

#include "ui/glue/colours.h"
#include "ui/theme/fonts.h"
#include "ui/theme/scheme.h"

namespace toolkit {

AppButton::AppButton(QWidget* parent, const QString& text, const QFont& font, int x, int y, int w, int h)
    : QPushButton(text, parent) {
    setFont(font);
    if (h == 0) h = QFontMetrics(font).height() + 8;
    if (w == 0) w = 4 * h;
    setGeometry(x, y, w, h);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
    // Taking the focus does not make a button the dialog's default: Enter in a
    // field belongs to the field.
    setAutoDefault(false);
    const gcm::Scheme& scheme = gcm::scheme();
    set_colours(scheme.button_color, scheme.panel_text_color, scheme.btn_border_color);
}

AppButton::AppButton(QWidget* parent, const QString& text, int x, int y, int w, int h)
    : AppButton(parent, text, gcm::app_font(), x, y, w, h) {}

void AppButton::set_border_color(const QColor& colour) {
    border_color_ = colour;
    update();
}

void AppButton::set_colours(const QColor& background, const QColor& text, const QColor& border) {
    background_ = background;
    text_ = text;
    set_border_color(border);
}

void AppButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor background = background_;
    const QColor text = text_;
    const QColor parent_background = parentWidget() ? parentWidget()->palette().color(QPalette::Window) : background;
    p.fillRect(rect(), parent_background);
    const QRectF outline(0.5, 0.5, width() - 1, height() - 1);
    QPainterPath rounded;
    rounded.addRoundedRect(outline, 5, 5);
    QColor fill = background;
    if (isDown())
        fill = fill.darker(115);
    else if (underMouse())
        fill = fill.darker(106);
    p.fillPath(rounded, fill);
    p.setPen(QPen(border_color_, gcm::box_border_thickness));
    p.drawPath(rounded);
    p.setPen(isEnabled() ? text : glue::offset_color(text, 110));
    p.setFont(font());
    p.drawText(outline, Qt::AlignCenter, this->text());
    if (hasFocus()) {
        QPen focus(text, 1, Qt::DotLine);
        p.setPen(focus);
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(4.5, 4.5, width() - 9, height() - 9));
    }
}

void AppButton::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        event->accept();
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

}  // namespace toolkit
