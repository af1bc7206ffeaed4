#pragma once

#include <QColor>
#include <QGraphicsObject>
#include <QString>
#include <memory>

#include "ui/geometry/box_face.h"
#include "ui/geometry/box_metrics.h"
#include "ui/geometry/page_description.h"

class BoxStyle;
class Node;
class QMenu;

namespace boxes {
class CommentButton;
class ReadinessPicture;
class TextArea;
}  // namespace boxes

// One object on a page: a rounded box with its kind title, a separator, the
// object's sentence (scrolled by the wheel), its readiness picture and its
// comment button, in the scheme colours. A right click opens its context menu,
// built there and then (the kind's items, then the common ones); a double
// click runs its kind's edit. A chosen item, a double click and a click on the
// readiness picture run their command after the handler has returned.
//
// The box names its object by uid and reads it only while it is drawn and
// when a command starts; it holds no pointer to it. It is released by the
// next rebuild of the page (deleteLater), never by itself.
class ObjectBox : public QGraphicsObject {
    Q_OBJECT
public:
    enum { Type = UserType + 1 };

    // Made stale, the box reads its object only when it is first drawn or
    // looked at (see mark_stale).
    enum class Content { Filled, Stale };
    ObjectBox(page_geometry::BoxDescription description, std::shared_ptr<const BoxStyle> style,
              Content content = Content::Filled);

    const page_geometry::BoxDescription& description() const { return description_; }
    const std::string& uid() const { return description_.uid; }
    const page_geometry::BoxFace& face() const {
        bring_up_to_date();
        return face_;
    }

    // True while the main window and the current project exist and the
    // project's registry maps the uid to an object.
    bool is_alive() const;
    // The object now, or null when it is gone.
    Node* node() const;

    // Where the box's dialogs open: on the screen, 10 px below its top-left corner.
    QPoint dialog_position() const;

    // Reads the object's text, title, colours, pictures and tooltip again
    // (after an edit of the object's own text).
    void fill_content_box();
    // A box kept by a rebuild of its page reads its object again only when it
    // is next drawn or looked at: most of the thousands of kept boxes lie
    // outside the visible part of the page. Bringing it up to date leaves the
    // box as it is when it would show exactly what it shows.
    void mark_stale() { stale_ = true; }
    bool is_stale() const { return stale_; }
    void bring_up_to_date() const;

    // The context menu, built now and popped up at the screen point; null for
    // a box whose object is gone. It is released once it hides.
    QMenu* open_context_menu(const QPoint& screen_pos);
    // The edit of the box's kind; a double click runs it once the click's own
    // handler has returned, as its dialogs may outlive the box.
    void double_click();

    int type() const override { return Type; }
    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

    // The kind title as drawn, in the title font: shortened with an ellipsis
    // where it would meet the title row's pictures.
    QString shown_title() const;
    const QFont& title_font() const;

    boxes::TextArea* text_area() const {
        bring_up_to_date();
        return text_area_;
    }
    boxes::ReadinessPicture* readiness_picture() const {
        bring_up_to_date();
        return readiness_;
    }
    boxes::CommentButton* comment_button() const {
        bring_up_to_date();
        return comment_;
    }

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event) override;
    void contextMenuEvent(QGraphicsSceneContextMenuEvent* event) override;

private:
    void refresh();
    void apply_face();
    bool shows_readiness() const;
    QPixmap readiness_picture_now() const;
    QPixmap comment_picture_now() const;

    page_geometry::BoxDescription description_;
    std::shared_ptr<const BoxStyle> style_;
    page_geometry::BoxParts parts_;
    page_geometry::BoxFace face_;
    QString title_;
    boxes::TextArea* text_area_;
    boxes::ReadinessPicture* readiness_;
    boxes::CommentButton* comment_;
    bool stale_ = false;
    // Whether the parts show a face at all: a box made stale has shown none yet.
    bool filled_ = false;
};
