#include "ui/toolkit/title_bar.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "ui/glue/colours.h"
#include "ui/icons/icon_library.h"
#include "ui/theme/fonts.h"
#include "ui/theme/scheme.h"

namespace toolkit {

// A title-bar button that draws its symbol: close, minimise, maximise or restore.
class GlyphButton : public QAbstractButton {
public:
    enum class Glyph { Close, Minimise, Maximise, Restore };

    GlyphButton(Glyph glyph, QWidget* parent) : QAbstractButton(parent), glyph_(glyph) {
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_Hover);
    }

    void set_glyph(Glyph glyph) {
        glyph_ = glyph;
        update();
    }
    void set_colours(const QColor& background, const QColor& text) {
        background_ = background;
        text_ = text;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const bool close = glyph_ == Glyph::Close;
        QColor fill = background_;
        QColor ink = text_;
        if (isDown()) {
            fill = close ? QColor(139, 10, 20) : glue::offset_color(background_, 40);
            if (close) ink = Qt::white;
        } else if (underMouse()) {
            fill = close ? QColor(232, 17, 35) : glue::offset_color(background_, 20);
            if (close) ink = Qt::white;
        }
        p.fillRect(rect(), fill);
        p.setRenderHint(QPainter::Antialiasing, glyph_ == Glyph::Close);
        p.setPen(QPen(ink, 1));
        // The symbol is about as large as the glyph font of the title bar.
        const int side = std::max(6, static_cast<int>(std::lround((gcm::app_font().pixelSize() - 2) * 0.7)));
        const QRectF box(std::floor((width() - side) / 2.0) + 0.5, std::floor((height() - side) / 2.0) + 0.5, side,
                         side);
        switch (glyph_) {
        case Glyph::Close:
            p.drawLine(box.topLeft(), box.bottomRight());
            p.drawLine(box.topRight(), box.bottomLeft());
            break;
        case Glyph::Minimise:
            p.drawLine(QPointF(box.left(), box.center().y()), QPointF(box.right(), box.center().y()));
            break;
        case Glyph::Maximise:
            p.drawRect(box);
            break;
        case Glyph::Restore: {
            const double step = std::max(2.0, side / 5.0);
            p.drawRect(box.adjusted(0, step, -step, 0));
            p.drawLine(box.topLeft() + QPointF(step, 0), box.topRight());
            p.drawLine(box.topRight(), box.bottomRight() - QPointF(0, step));
            break;
        }
        }
    }

private:
    Glyph glyph_;
    QColor background_;
    QColor text_;
};

TitleBar::TitleBar(const QString& title, bool with_min_max, QWidget* window)
    : QWidget(window), icon_(new QLabel(this)), title_(new QLabel(this)),
      close_(new GlyphButton(GlyphButton::Glyph::Close, this)) {
    setAutoFillBackground(true);
    setMouseTracking(true);
    icon_->setScaledContents(true);
    icon_->setAttribute(Qt::WA_TransparentForMouseEvents);
    title_->setTextFormat(Qt::PlainText);
    title_->setAttribute(Qt::WA_TransparentForMouseEvents);
    title_->setText(title);
    connect(close_, &QAbstractButton::clicked, this, &TitleBar::closeClicked);
    if (with_min_max) {
        maximise_ = new GlyphButton(GlyphButton::Glyph::Maximise, this);
        minimise_ = new GlyphButton(GlyphButton::Glyph::Minimise, this);
        connect(maximise_, &QAbstractButton::clicked, this, &TitleBar::maximiseClicked);
        connect(minimise_, &QAbstractButton::clicked, this, &TitleBar::minimiseClicked);
    }
    apply_size();
}

void TitleBar::set_title(const QString& title) {
    title_->setText(title);
    title_->adjustSize();
}

QString TitleBar::title() const { return title_->text(); }

void TitleBar::set_menu_bar(QMenuBar* menu_bar) {
    menu_bar_ = menu_bar;
    if (menu_bar) menu_bar->setParent(this);
    place_children();
}

int TitleBar::icon_right() const { return icon_->geometry().right() + 1; }

void TitleBar::apply_size() {
    const int f = gcm::app_font_height();
    setFixedHeight(height_for_font(f));
    icon_->setGeometry(8, 5, f + 2, f + 2);
    icon_->setPixmap(icons::app_icon().pixmap(f + 2, f + 2));
    title_->setFont(gcm::app_font());
    title_->adjustSize();
    place_children();
}

void TitleBar::apply_colours(const QColor& background, const QColor& text) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, text);
    setPalette(palette);
    title_->setPalette(palette);
    for (GlyphButton* button : {close_, maximise_, minimise_})
        if (button) button->set_colours(background, text);
}

void TitleBar::set_maximised_glyph(bool maximised) {
    if (maximise_) maximise_->set_glyph(maximised ? GlyphButton::Glyph::Restore : GlyphButton::Glyph::Maximise);
}

void TitleBar::hide_minimise() {
    if (minimise_) minimise_->hide();
}

void TitleBar::place_children() {
    const int h = height();
    const int button_width = static_cast<int>(std::lround(1.4 * h));
    int right = width();
    for (GlyphButton* button : {close_, maximise_, minimise_}) {
        if (!button) continue;
        right -= button_width;
        button->setGeometry(right, 0, button_width, h);
    }
    int title_x = icon_right() + 5;
    if (menu_bar_) {
        menu_bar_->move(title_x, 4);
        title_x = menu_bar_->geometry().right() + 1 + 5;
    }
    title_->move(title_x, 8);
}

void TitleBar::resizeEvent(QResizeEvent*) { place_children(); }

void TitleBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) press_pos_ = event->position().toPoint();
}

void TitleBar::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    press_pos_.reset();
    emit doubleClicked(mapTo(window(), event->position().toPoint()));
}

void TitleBar::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (press_pos_ && (event->buttons() & Qt::LeftButton) &&
        (pos - *press_pos_).manhattanLength() >= QApplication::startDragDistance()) {
        const QPoint start = *press_pos_;
        press_pos_.reset();
        emit dragStarted(mapTo(window(), start));
        return;
    }
    emit hovered(mapTo(window(), pos));
}

void TitleBar::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) press_pos_.reset();
}

}  // namespace toolkit
