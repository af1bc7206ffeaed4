#include "ui/icons/icon_library.h"

#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <cmath>
#include <functional>
#include <map>

namespace icons {
namespace {

// Every picture is drawn on a 16 x 16 grid scaled to the requested size.
using Drawing = std::function<void(QPainter&, const QColor& ink)>;

const QColor light_ink(240, 240, 240);
const QColor dark_ink(40, 40, 40);
// Of a disabled tool-strip picture.
constexpr double disabled_opacity = 0.3;

QPen pen(const QColor& colour, double width = 1.3) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// ---- readiness pies ----

const QColor achieved_colour(46, 160, 67);
const QColor below_colour(230, 150, 30);
const QColor missing_colour(225, 80, 70);
const QColor open_colour(210, 210, 210);

// Nine segments clockwise from the top: up to level filled, up to required
// marked as missing, the rest open.
void draw_pie(QPainter& p, int level, int required) {
    const QRectF circle(1, 1, 14, 14);
    const bool valid = level >= required;
    for (int segment = 0; segment < 9; ++segment) {
        QColor fill = open_colour;
        if (segment < level)
            fill = valid ? achieved_colour : below_colour;
        else if (segment < required)
            fill = missing_colour;
        QPainterPath slice;
        slice.moveTo(circle.center());
        slice.arcTo(circle, 90.0 - segment * 40.0, -40.0);
        slice.closeSubpath();
        p.fillPath(slice, fill);
    }
    p.setPen(pen(QColor(90, 90, 90), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(circle);
}

void draw_star(QPainter& p) {
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 == 0 ? 7.5 : 3.2;
        const double angle = -M_PI / 2 + i * M_PI / 5;
        const QPointF point(8 + radius * std::cos(angle), 8.3 + radius * std::sin(angle));
        if (i == 0)
            star.moveTo(point);
        else
            star.lineTo(point);
    }
    star.closeSubpath();
    p.fillPath(star, QColor(245, 190, 30));
    p.setPen(pen(QColor(150, 100, 0), 0.8));
    p.drawPath(star);
}

void draw_category(QPainter& p) {
    p.setPen(pen(QColor(90, 90, 90), 0.8));
    p.setBrush(QColor(170, 190, 210));
    for (int row = 0; row < 3; ++row) p.drawRoundedRect(QRectF(2, 2 + row * 4.5, 12, 3), 1, 1);
}

// ---- comment bubbles ----

void draw_bubble(QPainter& p, const QColor& ink) {
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(1.5, 1.5, 13, 9.5), 2.5, 2.5);
    QPainterPath tail;
    tail.moveTo(4, 10.5);
    tail.lineTo(3.5, 14.5);
    tail.lineTo(8, 10.5);
    tail.closeSubpath();
    p.setPen(pen(ink));
    p.setBrush(Qt::NoBrush);
    p.drawPath(bubble.united(tail));
}

// ---- tool strip ----

void draw_page(QPainter& p, const QColor& ink) {
    QPainterPath page;
    page.moveTo(3.5, 1.5);
    page.lineTo(9.5, 1.5);
    page.lineTo(12.5, 4.5);
    page.lineTo(12.5, 14.5);
    page.lineTo(3.5, 14.5);
    page.closeSubpath();
    p.setPen(pen(ink));
    p.drawPath(page);
    p.drawLine(QPointF(9.5, 1.5), QPointF(9.5, 4.5));
    p.drawLine(QPointF(9.5, 4.5), QPointF(12.5, 4.5));
}

void draw_folder(QPainter& p, const QColor& ink) {
    QPainterPath folder;
    folder.moveTo(1.5, 13.5);
    folder.lineTo(1.5, 3.5);
    folder.lineTo(5.5, 3.5);
    folder.lineTo(7, 5);
    folder.lineTo(12.5, 5);
    folder.lineTo(12.5, 7);
    p.setPen(pen(ink));
    p.drawPath(folder);
    QPainterPath front;
    front.moveTo(1.5, 13.5);
    front.lineTo(4, 7.5);
    front.lineTo(14.5, 7.5);
    front.lineTo(12.5, 13.5);
    front.closeSubpath();
    p.drawPath(front);
}

void draw_disk(QPainter& p, const QColor& ink) {
    p.setPen(pen(ink));
    p.drawRoundedRect(QRectF(2, 2, 12, 12), 1.5, 1.5);
    p.drawRect(QRectF(4.5, 2, 7, 4));
    p.drawRect(QRectF(4, 9, 8, 5));
}

void draw_turn(QPainter& p, const QColor& ink, bool backwards) {
    p.save();
    if (!backwards) {
        p.translate(16, 0);
        p.scale(-1, 1);
    }
    QPainterPath arc;
    arc.moveTo(4, 6);
    arc.cubicTo(QPointF(8, 2), QPointF(15, 4), QPointF(13, 10));
    arc.cubicTo(QPointF(12, 13), QPointF(9, 14), QPointF(6, 13));
    p.setPen(pen(ink, 1.5));
    p.drawPath(arc);
    QPainterPath head;
    head.moveTo(1.5, 7.5);
    head.lineTo(5.5, 2.5);
    head.lineTo(6.5, 8.5);
    head.closeSubpath();
    p.fillPath(head, ink);
    p.restore();
}

void draw_lens(QPainter& p, const QColor& ink) {
    p.setPen(pen(ink, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(1.5, 1.5, 9, 9));
    p.drawLine(QPointF(9.5, 9.5), QPointF(14.5, 14.5));
}

void draw_frame_corners(QPainter& p, const QColor& ink) {
    p.setPen(pen(ink));
    const double c = 4;
    const QRectF r(1.5, 2.5, 13, 11);
    p.drawLine(r.topLeft(), r.topLeft() + QPointF(c, 0));
    p.drawLine(r.topLeft(), r.topLeft() + QPointF(0, c));
    p.drawLine(r.topRight(), r.topRight() - QPointF(c, 0));
    p.drawLine(r.topRight(), r.topRight() + QPointF(0, c));
    p.drawLine(r.bottomLeft(), r.bottomLeft() + QPointF(c, 0));
    p.drawLine(r.bottomLeft(), r.bottomLeft() - QPointF(0, c));
    p.drawLine(r.bottomRight(), r.bottomRight() - QPointF(c, 0));
    p.drawLine(r.bottomRight(), r.bottomRight() - QPointF(0, c));
}

void draw_letter(QPainter& p, const QColor& ink, const QRectF& box, double pixel, const QString& text) {
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(static_cast<int>(pixel));
    p.setFont(font);
    p.setPen(ink);
    p.drawText(box, Qt::AlignCenter, text);
}

void draw_plus_minus(QPainter& p, const QColor& ink, const QPointF& centre, double half, bool plus) {
    p.setPen(pen(ink, 1.5));
    p.drawLine(centre - QPointF(half, 0), centre + QPointF(half, 0));
    if (plus) p.drawLine(centre - QPointF(0, half), centre + QPointF(0, half));
}

const std::map<QString, Drawing>& tool_drawings() {
    static const std::map<QString, Drawing> drawings{
        {QStringLiteral("new"),
         [](QPainter& p, const QColor& ink) {
             draw_page(p, ink);
             draw_plus_minus(p, ink, QPointF(8, 10), 2.5, true);
         }},
        {QStringLiteral("open"), draw_folder},
        {QStringLiteral("save"), draw_disk},
        {QStringLiteral("save_as"),
         [](QPainter& p, const QColor& ink) {
             p.save();
             p.scale(0.8, 0.8);
             draw_disk(p, ink);
             p.restore();
             p.setPen(pen(ink, 1.5));
             p.drawLine(QPointF(10, 15), QPointF(15, 10));
         }},
        {QStringLiteral("undo"), [](QPainter& p, const QColor& ink) { draw_turn(p, ink, true); }},
        {QStringLiteral("redo"), [](QPainter& p, const QColor& ink) { draw_turn(p, ink, false); }},
        {QStringLiteral("search"), draw_lens},
        {QStringLiteral("UIDsearch"),
         [](QPainter& p, const QColor& ink) {
             draw_lens(p, ink);
             draw_letter(p, ink, QRectF(1.5, 1.5, 9, 9), 5.5, QStringLiteral("ID"));
         }},
        {QStringLiteral("screenshot"),
         [](QPainter& p, const QColor& ink) {
             p.setPen(pen(ink));
             p.drawRoundedRect(QRectF(1.5, 4, 13, 10), 1.5, 1.5);
             p.drawRect(QRectF(5, 2, 6, 2));
             p.drawEllipse(QRectF(5, 6, 6, 6));
         }},
        {QStringLiteral("screen_grab"),
         [](QPainter& p, const QColor& ink) {
             draw_frame_corners(p, ink);
             p.drawRect(QRectF(5, 6, 6, 4));
         }},
        {QStringLiteral("font_decrease"),
         [](QPainter& p, const QColor& ink) {
             draw_letter(p, ink, QRectF(0, 3, 10, 12), 10, QStringLiteral("A"));
             draw_plus_minus(p, ink, QPointF(12.5, 4), 2.5, false);
         }},
        {QStringLiteral("font_increase"),
         [](QPainter& p, const QColor& ink) {
             draw_letter(p, ink, QRectF(0, 2, 11, 14), 13, QStringLiteral("A"));
             draw_plus_minus(p, ink, QPointF(12.5, 4), 2.5, true);
         }},
        {QStringLiteral("zoom_out"),
         [](QPainter& p, const QColor& ink) {
             draw_lens(p, ink);
             draw_plus_minus(p, ink, QPointF(6, 6), 2.5, false);
         }},
        {QStringLiteral("zoom_0"),
         [](QPainter& p, const QColor& ink) {
             draw_lens(p, ink);
             draw_letter(p, ink, QRectF(1.5, 1.5, 9, 9), 7, QStringLiteral("1"));
         }},
        {QStringLiteral("zoom_in"),
         [](QPainter& p, const QColor& ink) {
             draw_lens(p, ink);
             draw_plus_minus(p, ink, QPointF(6, 6), 2.5, true);
         }},
        {QStringLiteral("comment_plus"),
         [](QPainter& p, const QColor& ink) {
             draw_bubble(p, ink);
             draw_plus_minus(p, ink, QPointF(8, 6.2), 2.5, true);
         }},
        {QStringLiteral("comment_text"),
         [](QPainter& p, const QColor& ink) {
             draw_bubble(p, ink);
             p.setPen(pen(ink, 1));
             p.drawLine(QPointF(4.5, 4.7), QPointF(11.5, 4.7));
             p.drawLine(QPointF(4.5, 7.7), QPointF(9.5, 7.7));
         }},
        {QStringLiteral("comment_delete"),
         [](QPainter& p, const QColor& ink) {
             draw_bubble(p, ink);
             p.setPen(pen(ink, 1.4));
             p.drawLine(QPointF(5.5, 3.7), QPointF(10.5, 8.7));
             p.drawLine(QPointF(10.5, 3.7), QPointF(5.5, 8.7));
         }},
    };
    return drawings;
}

QPixmap render(int size, const std::function<void(QPainter&)>& draw) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(size / 16.0, size / 16.0);
    draw(painter);
    return pixmap;
}

QPixmap readiness_pie(const QString& name, int size) {
    static const QRegularExpression pattern(QStringLiteral("^v_(\\d)_(\\d{1,2})$"));
    const QRegularExpressionMatch match = pattern.match(name);
    if (!match.hasMatch()) return {};
    const int required = match.captured(1).toInt();
    const int index = match.captured(2).toInt();
    // Below a required level only the levels under it have pictures of their own.
    if (index > 11 || (required > 0 && index >= required)) return {};
    return render(size, [&](QPainter& p) {
        if (index == 10)
            draw_star(p);
        else if (index == 11)
            draw_category(p);
        else
            draw_pie(p, index, required);
    });
}

}  // namespace

QPixmap named(const QString& name, int size) {
    if (size < 1) return {};
    if (name.startsWith(QLatin1String("v_"))) return readiness_pie(name, size);
    for (const auto& [suffix, ink] : {std::pair{QStringLiteral("_10"), light_ink}, {QStringLiteral("_75"), dark_ink}}) {
        if (!name.endsWith(suffix)) continue;
        const auto found = tool_drawings().find(name.chopped(suffix.size()));
        if (found == tool_drawings().end()) return {};
        return render(size, [&](QPainter& p) { found->second(p, ink); });
    }
    return {};
}

QPixmap for_background(const QString& key, bool dark_background, int size) {
    return named(key + (dark_background ? QStringLiteral("_10") : QStringLiteral("_75")), size);
}

QIcon tool_icon(const QString& key, bool dark_background, int size) {
    const QPixmap picture = for_background(key, dark_background, size);
    QIcon icon(picture);
    // The style's own disabled picture is a grey that stays as bright as a
    // light picture on a dark strip; a faded picture is dimmer in every scheme.
    QPixmap faded(picture.size());
    faded.fill(Qt::transparent);
    QPainter painter(&faded);
    painter.setOpacity(disabled_opacity);
    painter.drawPixmap(0, 0, picture);
    painter.end();
    icon.addPixmap(faded, QIcon::Disabled);
    return icon;
}

QIcon app_icon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128}) {
        icon.addPixmap(render(size, [](QPainter& p) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(26, 89, 132));
            p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
            // Three linked boxes: a problem and two options.
            p.setBrush(QColor(240, 240, 240));
            p.drawRoundedRect(QRectF(5, 2.5, 6, 3.5), 1, 1);
            p.drawRoundedRect(QRectF(2, 10, 5, 3.5), 1, 1);
            p.drawRoundedRect(QRectF(9, 10, 5, 3.5), 1, 1);
            p.setPen(pen(QColor(240, 240, 240), 1));
            p.drawLine(QPointF(8, 6), QPointF(8, 8));
            p.drawLine(QPointF(4.5, 8), QPointF(11.5, 8));
            p.drawLine(QPointF(4.5, 8), QPointF(4.5, 10));
            p.drawLine(QPointF(11.5, 8), QPointF(11.5, 10));
        }));
    }
    return icon;
}

}  // namespace icons
