#pragma once

#include <QColor>
#include <QGraphicsItem>
#include <QGraphicsPixmapItem>
#include <QString>
#include <functional>
#include <memory>

#include "ui/geometry/box_face.h"

#include "ui/toolkit/scroll_text.h"

class BoxStyle;

// The parts of an object box that are items of their own, for their tooltips
// and their mouse handling; the box paints its outline, title and separator.
namespace boxes {

// The object's sentence, wrapped in its area and scrolled by the wheel. The
// text is laid out when it is first shown, so that a page of many boxes
// measures only the ones that are seen.
class TextArea : public QGraphicsItem {
public:
    TextArea(QGraphicsItem* box, const QRect& area, const QFont& font);

    // The text in fixed colours.
    void set_text(const QString& text, const QColor& text_colour, const QColor& background);
    // The text in the colours of a kind of box, read from the scheme whenever
    // it is drawn.
    void set_text(const QString& text, page_geometry::BoxColours colours, std::shared_ptr<const BoxStyle> style);
    const toolkit::ScrollText& scroll() const;

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

protected:
    void wheelEvent(QGraphicsSceneWheelEvent* event) override;

private:
    void lay_out() const;

    QSize size_;
    QString text_;
    QColor text_colour_;
    QColor background_;
    page_geometry::BoxColours colours_ = page_geometry::BoxColours::Error;
    std::shared_ptr<const BoxStyle> style_;  // null: the fixed colours
    mutable bool laid_out_ = false;
    mutable toolkit::ScrollText scroll_;
};

// The readiness picture in the title row. A left click runs its action, when
// it has one; otherwise the clicks go to the box.
class ReadinessPicture : public QGraphicsPixmapItem {
public:
    ReadinessPicture(QGraphicsItem* box, std::function<void()> clicked);

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;

private:
    std::function<void()> clicked_;
};

// The comment button in the title row: a click with any mouse button runs its action.
class CommentButton : public QGraphicsPixmapItem {
public:
    CommentButton(QGraphicsItem* box, std::function<void()> clicked);

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;
    void contextMenuEvent(QGraphicsSceneContextMenuEvent* event) override;

private:
    std::function<void()> clicked_;
};

}  // namespace boxes
