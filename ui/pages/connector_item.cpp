#include "ui/pages/connector_item.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <utility>

#include "ui/glue/text_conversion.h"
#include "ui/theme/scheme.h"

namespace {

QRectF to_qrect(const page_geometry::Rect& r) { return QRectF(r.x, r.y, r.width, r.height); }

QColor connector_colour(const std::optional<QColor>& fixed) { return fixed.value_or(gcm::scheme().box_connect_color); }

}  // namespace

ConnectorItem::ConnectorItem(const page_geometry::LineDescription& line, std::optional<QColor> colour)
    : line_(line), colour_(std::move(colour)) {
    setAcceptedMouseButtons(Qt::NoButton);
}

QRectF ConnectorItem::boundingRect() const { return to_qrect(line_.area()); }

void ConnectorItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    painter->fillRect(boundingRect(), connector_colour(colour_));
}

LabelItem::LabelItem(const page_geometry::LabelDescription& label, const QFont& font, std::optional<QColor> text,
                     std::optional<QColor> back)
    : label_(label), font_(font), text_(std::move(text)), back_(std::move(back)) {
    setAcceptedMouseButtons(Qt::NoButton);
}

QRectF LabelItem::boundingRect() const { return to_qrect(label_.rect); }

void LabelItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    const gcm::Scheme& scheme = gcm::scheme();
    painter->fillRect(boundingRect(), back_.value_or(scheme.panel_color));
    painter->setFont(font_);
    painter->setPen(text_.value_or(scheme.panel_text_color));
    painter->drawText(boundingRect(), Qt::AlignCenter, glue::to_ui(label_.text));
}

ArrowItem::ArrowItem(const page_geometry::ArrowHead& arrow, std::optional<QColor> colour)
    : arrow_(arrow), colour_(std::move(colour)) {
    setAcceptedMouseButtons(Qt::NoButton);
}

QRectF ArrowItem::boundingRect() const { return to_qrect(arrow_.bounds); }

QPainterPath ArrowItem::shape() const {
    QPolygonF triangle;
    for (const page_geometry::Point& corner : arrow_.corners)
        triangle << QPointF(arrow_.bounds.x + corner.x, arrow_.bounds.y + corner.y);
    QPainterPath path;
    path.addPolygon(triangle);
    path.closeSubpath();
    return path;
}

void ArrowItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->fillPath(shape(), connector_colour(colour_));
    painter->restore();
}
