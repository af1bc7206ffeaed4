#include "ui/boxes/box_parts.h"

#include <QGraphicsSceneContextMenuEvent>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsSceneWheelEvent>
#include <QPainter>
#include <utility>

#include "ui/boxes/box_style.h"

namespace boxes {

TextArea::TextArea(QGraphicsItem* box, const QRect& area, const QFont& font)
    : QGraphicsItem(box), size_(area.size()) {
    setPos(area.topLeft());
    setAcceptedMouseButtons(Qt::NoButton);
    setFlag(ItemClipsToShape);
    scroll_.set_font(font);
    scroll_.set_client_size(size_);
}

void TextArea::set_text(const QString& text, const QColor& text_colour, const QColor& background) {
    text_ = text;
    text_colour_ = text_colour;
    background_ = background;
    style_.reset();
    laid_out_ = false;
    update();
}

void TextArea::set_text(const QString& text, page_geometry::BoxColours colours, std::shared_ptr<const BoxStyle> style) {
    text_ = text;
    colours_ = colours;
    style_ = std::move(style);
    laid_out_ = false;
    update();
}

void TextArea::lay_out() const {
    if (laid_out_) return;
    scroll_.set_text(text_);
    laid_out_ = true;
}

const toolkit::ScrollText& TextArea::scroll() const {
    lay_out();
    return scroll_;
}

QRectF TextArea::boundingRect() const { return QRectF(QPointF(0, 0), QSizeF(size_)); }

void TextArea::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    lay_out();
    if (style_)
        scroll_.paint(*painter, style_->text(colours_), style_->fill(colours_));
    else
        scroll_.paint(*painter, text_colour_, background_);
}

void TextArea::wheelEvent(QGraphicsSceneWheelEvent* event) {
    lay_out();
    if (event->orientation() == Qt::Vertical && scroll_.wheel(event->delta())) {
        update();
        event->accept();
    } else {
        event->ignore();  // the canvas scrolls instead
    }
}

CommentButton::CommentButton(QGraphicsItem* box, std::function<void()> clicked)
    : QGraphicsPixmapItem(box), clicked_(std::move(clicked)) {
    setAcceptedMouseButtons(Qt::AllButtons);
    setShapeMode(BoundingRectShape);
}

void CommentButton::mousePressEvent(QGraphicsSceneMouseEvent* event) { event->accept(); }

void CommentButton::mouseReleaseEvent(QGraphicsSceneMouseEvent* event) {
    event->accept();
    if (boundingRect().contains(event->pos()) && clicked_) clicked_();
}

// A right click on the button opens the comments, not the box's menu.
void CommentButton::contextMenuEvent(QGraphicsSceneContextMenuEvent* event) { event->accept(); }

ReadinessPicture::ReadinessPicture(QGraphicsItem* box, std::function<void()> clicked)
    : QGraphicsPixmapItem(box), clicked_(std::move(clicked)) {
    setAcceptedMouseButtons(clicked_ ? Qt::LeftButton : Qt::NoButton);
    setShapeMode(BoundingRectShape);
}

void ReadinessPicture::mousePressEvent(QGraphicsSceneMouseEvent* event) { event->accept(); }

void ReadinessPicture::mouseReleaseEvent(QGraphicsSceneMouseEvent* event) {
    event->accept();
    if (boundingRect().contains(event->pos()) && clicked_) clicked_();
}

}  // namespace boxes
