#include "ui/toolkit/scroll_text.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace toolkit {
namespace {

constexpr int wrap_flags = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;
constexpr int band_alpha = 160;

}  // namespace

void ScrollText::set_text(const QString& text) {
    text_ = text;
    offset_ = 0.0;
    measure();
}

void ScrollText::set_font(const QFont& font) {
    font_ = font;
    line_height_ = QFontMetrics(font).height();
    offset_ = 0.0;
    measure();
}

void ScrollText::set_client_size(const QSize& size) {
    client_ = size;
    measure();
}

void ScrollText::measure() {
    if (text_.isEmpty() || client_.width() <= 0) {
        size_needed_ = QSize();
    } else {
        const QRect bounds =
            QFontMetrics(font_).boundingRect(QRect(0, 0, client_.width(), 1 << 24), wrap_flags, text_);
        size_needed_ = QSize(bounds.width(), bounds.height());
    }
    clamp();
}

void ScrollText::clamp() {
    max_scroll_ = text_.isEmpty() ? 0.0 : std::max(0.0, double(size_needed_.height() - client_.height()));
    offset_ = std::clamp(offset_, 0.0, max_scroll_);
}

bool ScrollText::wheel(double angle_delta) {
    if (max_scroll_ <= 0.0) return false;
    offset_ = std::clamp(offset_ - line_height_ * (angle_delta / 120.0), 0.0, max_scroll_);
    return true;
}

void ScrollText::paint(QPainter& painter, const QColor& text_colour, const QColor& background) const {
    painter.save();
    painter.setFont(font_);
    painter.setPen(text_colour);
    painter.translate(0, -offset_);
    painter.drawText(QRect(0, 0, client_.width(), std::max(size_needed_.height(), client_.height())), wrap_flags,
                     text_);
    painter.restore();

    const int band = static_cast<int>(std::lround(1.2 * line_height_));
    QColor opaque = background;
    opaque.setAlpha(band_alpha);
    QColor clear = background;
    clear.setAlpha(0);
    if (offset_ > 0.5) {
        QLinearGradient fade(0, 0, 0, band);
        fade.setColorAt(0, opaque);
        fade.setColorAt(1, clear);
        painter.fillRect(QRect(0, 0, client_.width(), band), fade);
    }
    if (offset_ < max_scroll_ - 0.5) {
        const int top = client_.height() - band;
        QLinearGradient fade(0, top, 0, client_.height());
        fade.setColorAt(0, clear);
        fade.setColorAt(1, opaque);
        painter.fillRect(QRect(0, top, client_.width(), band), fade);
    }
}

}  // namespace toolkit
