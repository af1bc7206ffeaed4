#pragma once

#include <QColor>
#include <QFont>
#include <QGraphicsItem>

#include "ui/geometry/page_description.h"

// One straight connector segment on a page, exactly the area the line
// occupies (the connector thickness wide), in the connector colour.
class ConnectorItem : public QGraphicsItem {
public:
    enum { Type = UserType + 2 };

    ConnectorItem(const page_geometry::LineDescription& line, const QColor& colour);

    const page_geometry::LineDescription& line() const { return line_; }

    int type() const override { return Type; }
    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    page_geometry::LineDescription line_;
    QColor colour_;
};

// A short text on a connector ("AND", "OR"), in the canvas font, on the
// canvas colour, centred in its rectangle.
class LabelItem : public QGraphicsItem {
public:
    enum { Type = UserType + 3 };

    LabelItem(const page_geometry::LabelDescription& label, const QFont& font, const QColor& text, const QColor& back);

    const page_geometry::LabelDescription& label() const { return label_; }

    int type() const override { return Type; }
    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    page_geometry::LabelDescription label_;
    QFont font_;
    QColor text_;
    QColor back_;
};
