#pragma once

#include <QColor>
#include <QFont>
#include <QGraphicsItem>
#include <optional>

#include "ui/geometry/connectors.h"
#include "ui/geometry/page_description.h"

// The items below paint in the scheme's colours as they are when drawn (a
// colour tried in the appearance editor shows at once), unless given a
// fixed colour.

// One straight connector segment on a page, exactly the area the line
// occupies (the connector thickness wide), in the connector colour.
class ConnectorItem : public QGraphicsItem {
public:
    enum { Type = UserType + 2 };

    explicit ConnectorItem(const page_geometry::LineDescription& line, std::optional<QColor> colour = std::nullopt);

    const page_geometry::LineDescription& line() const { return line_; }

    int type() const override { return Type; }
    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    page_geometry::LineDescription line_;
    std::optional<QColor> colour_;
};

// A short text on a connector ("AND", "OR"), in the canvas font, on the
// canvas colour, centred in its rectangle, in the panel text colour.
class LabelItem : public QGraphicsItem {
public:
    enum { Type = UserType + 3 };

    LabelItem(const page_geometry::LabelDescription& label, const QFont& font, std::optional<QColor> text = std::nullopt,
              std::optional<QColor> back = std::nullopt);

    const page_geometry::LabelDescription& label() const { return label_; }

    int type() const override { return Type; }
    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    page_geometry::LabelDescription label_;
    QFont font_;
    std::optional<QColor> text_;
    std::optional<QColor> back_;
};

// An arrow head on a connector, in the connector colour: only the triangle is
// seen and hit.
class ArrowItem : public QGraphicsItem {
public:
    enum { Type = UserType + 4 };

    explicit ArrowItem(const page_geometry::ArrowHead& arrow, std::optional<QColor> colour = std::nullopt);

    int type() const override { return Type; }
    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    page_geometry::ArrowHead arrow_;
    std::optional<QColor> colour_;
};
