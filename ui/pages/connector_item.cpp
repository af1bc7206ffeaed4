#include "ui/pages/connector_item.h"

#include <QPainter>

#include "ui/glue/text_conversion.h"

namespace {

QRectF to_qrect(const page_geometry::Rect& r) { return QRectF(r.x, r.y, r.width, r.height); }

}  // namespace

ConnectorItem::ConnectorItem(const page_geometry::LineDescription& line, const QColor& colour)
    : line_(line), colour_(colour) {
    setAcceptedMouseButtons(Qt::NoButton);
}

QRectF ConnectorItem::boundingRect() const { return to_qrect(line_.area()); }

void ConnectorItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    painter->fillRect(boundingRect(), colour_);
}

LabelItem::LabelItem(const page_geometry::LabelDescription& label, const QFont& font, const QColor& text,
                     const QColor& back)
    : label_(label), font_(font), text_(text), back_(back) {
    setAcceptedMouseButtons(Qt::NoButton);
}

QRectF LabelItem::boundingRect() const { return to_qrect(label_.rect); }

void LabelItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    painter->fillRect(boundingRect(), back_);
    painter->setFont(font_);
    painter->setPen(text_);
    painter->drawText(boundingRect(), Qt::AlignCenter, glue::to_ui(label_.text));
}
