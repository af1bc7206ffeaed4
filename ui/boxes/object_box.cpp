#include "ui/boxes/object_box.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGraphicsScene>
#include <QGraphicsSceneContextMenuEvent>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>

#include "ui/boxes/box_commands.h"
#include "ui/boxes/box_menu.h"
#include "ui/boxes/box_parts.h"
#include "ui/boxes/box_style.h"
#include "ui/glue/colours.h"
#include "ui/glue/text_conversion.h"
#include "ui/main_window/main_window_services.h"

namespace {

QRectF to_qrect(const page_geometry::Rect& r) { return QRectF(r.x, r.y, r.width, r.height); }

QPainterPath rounded(const page_geometry::RoundedOutline& outline) {
    QPainterPath path;
    const double radius = outline.corner_diameter / 2.0;
    path.addRoundedRect(to_qrect(outline.bounds), radius, radius);
    return path;
}

// Runs a click's command on a later turn of the event loop, once the box's event
// handler has returned: the command's dialogs run their own loop, in which a
// rebuild may release the box and its parts. A box released before then has no command.
void after_return(ObjectBox* box, void (*command)(ObjectBox&)) {
    QMetaObject::invokeMethod(
        qApp,
        [box = QPointer<ObjectBox>(box), command] {
            if (box) command(*box);
        },
        Qt::QueuedConnection);
}

}  // namespace

ObjectBox::ObjectBox(page_geometry::BoxDescription description, std::shared_ptr<const BoxStyle> style, Content content)
    : description_(std::move(description)), style_(std::move(style)) {
    const page_geometry::Rect& r = description_.rect;
    setPos(r.x, r.y);
    parts_ = page_geometry::box_parts({r.width, r.height}, style_->font_height(), style_->title_height());
    setAcceptedMouseButtons(Qt::LeftButton | Qt::RightButton);

    const page_geometry::Rect& text = parts_.text;
    text_area_ = new boxes::TextArea(this, QRect(text.x, text.y, text.width, text.height), style_->font());
    comment_ = new boxes::CommentButton(this, [this] {
        if (!is_alive()) return;
        // Beside the box's top-right corner.
        if (MainWindowServices* window = main_window())
            window->open_comment_popup(uid(), dialog_position() + QPoint(description_.rect.width + 5, -10));
    });
    comment_->setPos(parts_.comment_button.x, parts_.comment_button.y);
    std::function<void()> readiness_clicked;
    if (boxes::has_readiness_click(*this))
        readiness_clicked = [this] {
            after_return(this, [](ObjectBox& box) {
                if (box.is_alive()) boxes::run_readiness_click(box);
            });
        };
    readiness_ = new boxes::ReadinessPicture(this, std::move(readiness_clicked));
    if (content == Content::Filled)
        fill_content_box();
    else
        mark_stale();
}

bool ObjectBox::is_alive() const { return node() != nullptr; }

Node* ObjectBox::node() const { return boxes::resolve(uid()); }

QPoint ObjectBox::dialog_position() const {
    if (!scene() || scene()->views().isEmpty()) return QPoint();
    const QGraphicsView* view = scene()->views().front();
    return view->viewport()->mapToGlobal(view->mapFromScene(mapToScene(QPointF(0, 10))));
}

void ObjectBox::fill_content_box() {
    stale_ = false;
    // A box drawn for an object that has gone since shows what it showed.
    if (!uid().empty() && !is_alive()) return;
    face_ = page_geometry::box_face(node());
    apply_face();
}

void ObjectBox::bring_up_to_date() const {
    // A box is never a const object: reading it fills what it shows, as a cache would.
    if (stale_) const_cast<ObjectBox*>(this)->refresh();
}

void ObjectBox::refresh() {
    stale_ = false;
    Node* const object = node();
    if (!uid().empty() && !object) return;
    page_geometry::BoxFace face = page_geometry::box_face(object);
    // The pictures follow the scheme and the required level as well as the face.
    const auto same_pictures = [this] {
        return shows_readiness() == readiness_->isVisible() &&
               (!shows_readiness() || readiness_picture_now().cacheKey() == readiness_->pixmap().cacheKey()) &&
               comment_picture_now().cacheKey() == comment_->pixmap().cacheKey();
    };
    if (filled_ && face == face_ && same_pictures()) return;
    face_ = std::move(face);
    apply_face();
}

bool ObjectBox::shows_readiness() const { return face_.shows_readiness && main_window(); }

QPixmap ObjectBox::readiness_picture_now() const {
    return main_window()->readiness_icon(parts_.readiness_icon.width, face_.readiness_code);
}

QPixmap ObjectBox::comment_picture_now() const {
    return style_->comment_picture(face_.has_comments, glue::is_dark(style_->fill(face_.colours)));
}

void ObjectBox::apply_face() {
    filled_ = true;
    title_ = glue::to_ui(face_.title);
    text_area_->set_text(glue::to_ui(face_.text), face_.colours, style_);
    if (description_.uid.empty())
        text_area_->setToolTip(QStringLiteral("error. no object."));
    else
        text_area_->setToolTip(face_.tooltip.empty() ? QString() : glue::plain_tooltip(glue::to_ui(face_.tooltip)));

    readiness_->setVisible(shows_readiness());
    if (shows_readiness()) {
        const page_geometry::Rect& button = parts_.readiness_icon;
        const QPixmap picture = readiness_picture_now();
        readiness_->setPixmap(picture);
        // The picture is one pixel smaller than its button; it sits in the middle.
        readiness_->setPos(button.x + (button.width - picture.width()) / 2,
                           button.y + (button.height - picture.height()) / 2);
        readiness_->setToolTip(glue::plain_tooltip(glue::to_ui(face_.readiness_tooltip)));
    }

    comment_->setPixmap(comment_picture_now());
    comment_->setToolTip(description_.uid.empty()       ? QString()
                         : face_.has_comments ? QStringLiteral("Show and Edit comments.")
                                              : QStringLiteral("Add a comment."));
    comment_->setVisible(!description_.uid.empty());
    update();
}

QRectF ObjectBox::boundingRect() const {
    return QRectF(0, 0, description_.rect.width, description_.rect.height);
}

QPainterPath ObjectBox::shape() const { return rounded(parts_.clip); }

void ObjectBox::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(style_->fill(face_.colours));
    painter->drawPath(rounded(parts_.fill));
    const QColor border = style_->border(face_.colours);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(border, page_geometry::box_border_thickness));
    painter->drawPath(rounded(parts_.border));
    painter->fillRect(to_qrect(parts_.separator), border);

    painter->setFont(style_->title_font());
    painter->setPen(style_->text(face_.colours));
    const QRectF title_row(parts_.title_origin.x, parts_.title_origin.y, description_.rect.width - parts_.title_origin.x,
                           style_->title_height());
    painter->drawText(title_row, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, shown_title());
    painter->restore();
}

const QFont& ObjectBox::title_font() const { return style_->title_font(); }

QString ObjectBox::shown_title() const {
    bring_up_to_date();
    // The title ends a little before the first picture of its row.
    constexpr int gap = 2;
    const int end = readiness_->isVisible() ? parts_.readiness_icon.x : parts_.comment_button.x;
    return QFontMetrics(title_font()).elidedText(title_, Qt::ElideRight, end - gap - parts_.title_origin.x);
}

QMenu* ObjectBox::open_context_menu(const QPoint& screen_pos) {
    if (!is_alive()) return nullptr;
    QWidget* parent = scene() && !scene()->views().isEmpty() ? scene()->views().front() : nullptr;
    QMenu* menu = boxes::build_box_menu(*this, parent);
    if (menu) menu->popup(screen_pos);
    return menu;
}

void ObjectBox::double_click() {
    if (!is_alive()) return;
    boxes::run_double_click(*this);
}

void ObjectBox::mousePressEvent(QGraphicsSceneMouseEvent* event) {
    // Taken, so that the second click of a double click comes here too.
    event->accept();
}

void ObjectBox::mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    event->accept();
    after_return(this, [](ObjectBox& box) { box.double_click(); });
}

void ObjectBox::contextMenuEvent(QGraphicsSceneContextMenuEvent* event) {
    event->accept();
    open_context_menu(event->screenPos());
}
