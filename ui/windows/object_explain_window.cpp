#include "ui/windows/object_explain_window.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <cmath>
#include <memory>
#include <utility>

#include "core/constants/explanation_texts.h"
#include "core/constants/gcc.h"
#include "ui/geometry/int_req_diagram.h"
#include "ui/glue/screen_placement.h"
#include "ui/glue/text_conversion.h"
#include "ui/pages/connector_item.h"
#include "ui/theme/fonts.h"
#include "ui/theme/scheme.h"
#include "ui/toolkit/app_button.h"
#include "ui/toolkit/app_label.h"
#include "ui/toolkit/title_bar.h"
#include "ui/windows/contact_lines.h"

namespace windows {

// The connector lines and arrow heads of the diagrams, under the boxes; the
// heads are the canvas connectors' own.
class Lines : public QWidget {
public:
    explicit Lines(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }

    enum class Head { None, Right, Down, Left, Up };
    void add(QPoint from, QPoint to, Head head = Head::None) {
        lines_.emplace_back(from, to);
        if (head == Head::None) return;
        heads_.push_back(
            std::make_unique<ArrowItem>(page_geometry::arrow_head({to.x(), to.y()}, static_cast<int>(head))));
    }
    void add(const page_geometry::IntReqDiagram& diagram) {
        for (const auto& [from, to] : diagram.lines) lines_.emplace_back(QPoint(from.x, from.y), QPoint(to.x, to.y));
        for (const page_geometry::ArrowHead& head : diagram.heads) heads_.push_back(std::make_unique<ArrowItem>(head));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(gcm::scheme().box_connect_color, 2));
        for (const auto& [from, to] : lines_) painter.drawLine(from, to);
        for (const auto& head : heads_) head->paint(&painter, nullptr, nullptr);
    }

private:
    std::vector<std::pair<QPoint, QPoint>> lines_;
    std::vector<std::unique_ptr<ArrowItem>> heads_;
};

namespace {

using Head = Lines::Head;

QFont font_of_height(int pixels, bool bold) {
    QFont font = gcm::app_font();
    font.setPixelSize(std::max(pixels, 1));
    font.setBold(bold);
    return font;
}

QString ui(const std::string& text) { return glue::to_ui(text); }

int wrapped_height(const QFont& font, int width, const std::string& text) {
    return QFontMetrics(font)
        .boundingRect(QRect(0, 0, std::max(width, 1), 1 << 24), Qt::TextWordWrap, ui(text))
        .height();
}

QRect to_qrect(const page_geometry::Rect& r) { return QRect(r.x, r.y, r.width, r.height); }
page_geometry::Rect to_rect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

// The largest font up to the given one in which the text fits the room:
// wrapped, within its height; unwrapped, within its width and height.
QFont fitting_font(QFont font, const QRect& room, const QString& text, bool wrap) {
    const auto fits = [&](const QFont& candidate) {
        const QFontMetrics metrics(candidate);
        if (wrap)
            return metrics.boundingRect(QRect(0, 0, std::max(room.width(), 1), 1 << 24), Qt::TextWordWrap, text)
                       .height() <= room.height();
        return metrics.horizontalAdvance(text) <= room.width() && metrics.height() <= room.height();
    };
    while (font.pixelSize() > 6 && !fits(font)) font.setPixelSize(font.pixelSize() - 1);
    return font;
}

}  // namespace

ObjectExplainWindow::ObjectExplainWindow(QWidget* parent)
    : AppFormResizable(QStringLiteral("The Morvanta objects"), parent) {
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    title_bar()->hide_minimise();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    setFont(font_of_height(screen.height() / 60, false));
    const int fh = QFontMetrics(font()).height();
    resize((fh + 1) * 40, height());
    const int needed = apply_normal_layout();
    resize(width(), needed);
    laid_out_size_ = size();
    fit_panel();
    glue::place_near_edges(*this, screen.topLeft() + QPoint(screen.width() / 5, screen.height() / 10), 20);
}

toolkit::AppButton* ObjectExplainWindow::button(const QString& caption) const {
    for (toolkit::AppButton* b : buttons_)
        if (b->text() == caption) return b;
    return nullptr;
}

void ObjectExplainWindow::start_panel() {
    // The old layout goes whole, with every control and handler on it.
    if (panel_) {
        panel_->hide();
        panel_->deleteLater();
    }
    buttons_.clear();
    int_req_controls_.clear();
    line_layers_.clear();
    const int top = title_bar_height();
    panel_ = new toolkit::AppPanel(this, 0, top, width(), std::max(height() - top, 0), gcm::scheme().panel_color);
    lines_ = new Lines(panel_);
    lines_->setGeometry(panel_->rect());
    line_layers_.push_back(lines_);
    // Shown once the layout is complete, with every control on it.
    panel_->hide();
}

int ObjectExplainWindow::apply_normal_layout() {
    presentation_ = false;
    const int fh = QFontMetrics(font()).height();
    u_ = {fh, 2 * fh, 0, 2 * fh, 12 * fh, 10};
    label_font_ = font();
    bold_font_ = font_of_height(QFontInfo(font()).pixelSize(), true);
    start_panel();
    const QColor& text = gcm::scheme().panel_text_color;
    auto* header = new toolkit::AppLabel(
        panel_,
        QStringLiteral("Click one of the objects to see more. Maximize window to switch to presentation layout."),
        label_font_, 10, 10, text);
    header->setWordWrap(true);
    header->setFixedWidth(width() - 20);
    header->adjustSize();
    int y = header->geometry().bottom() + 1 + 10;
    add_graph(y);
    y = buttons_.back()->geometry().bottom() + 1 + u_.obj_dist;
    for (const toolkit::AppButton* b : buttons_) y = std::max(y, b->geometry().bottom() + 1 + u_.obj_dist);
    explain_ = new toolkit::AppLabel(panel_, QString(), label_font_, 10, y, text);
    explain_->setWordWrap(true);
    explain_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Room for the tallest explanation, and for the integration text beside its diagram.
    const page_geometry::IntReqDiagram beside =
        page_geometry::int_req_diagram({false, {10, y, width() - 20, 0}, {width(), 0}, fh, 10});
    int room = std::max(
        {10 * u_.h_button, wrapped_height(label_font_, beside.text.width, GCC::int_req_txt), beside.area.bottom() - y});
    for (const std::string* full : {&GCC::prj_txt, &GCC::usy_txt, &GCC::man_txt, &GCC::req_txt, &GCC::arg_txt,
                                    &GCC::evd_txt, &GCC::dpr_txt, &GCC::opt_txt})
        room = std::max(room, wrapped_height(label_font_, width() - 20, *full));
    explain_rect_ = QRect(10, y, width() - 20, room);
    explain_->setGeometry(explain_rect_);
    set_explain_text(GCC::prj_txt, GCC::prj_bullet_txt);
    y = explain_->geometry().bottom() + 1;
    auto* more = new toolkit::AppLabel(panel_, QStringLiteral("For more information:"), label_font_, 10, y, text);
    y = more->geometry().bottom() + 1 + 5;
    for (QLabel* line : contact_lines(panel_, label_font_)) {
        line->move(10, y);
        y = line->geometry().bottom() + 1 + 5;
    }
    panel_->show();
    return y - 5 + fh + title_bar_height();
}

void ObjectExplainWindow::apply_presentation_layout() {
    presentation_ = true;
    const int fh = std::max(height() / 28, 1);
    const int half_h = static_cast<int>(std::lround(1.3 * fh));
    const int half_w = static_cast<int>(std::lround(4.2 * fh));
    u_ = {fh, 2 * fh, 4 * fh, 2 * half_h, 2 * half_w, fh};
    label_font_ = font_of_height(fh, false);
    bold_font_ = font_of_height(fh, true);
    start_panel();
    const QColor& text = gcm::scheme().panel_text_color;
    auto* header = new toolkit::AppLabel(panel_, QStringLiteral("Click object for explanation"), label_font_, fh, fh, text);
    add_graph(header->geometry().bottom() + 1 + fh);
    const toolkit::AppButton* evidence = button(ui(GCC::evd_nd_name));
    const int left = evidence->geometry().right() + 1 + u_.obj_dist;
    explain_ = new toolkit::AppLabel(panel_, QString(), label_font_, left, 3 * fh, text);
    explain_->setWordWrap(true);
    explain_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    explain_rect_ = QRect(left, 3 * fh, std::max(width() - left - fh, fh), height() - title_bar_height() - 4 * fh);
    explain_->setGeometry(explain_rect_);
    set_explain_text(GCC::prj_txt, GCC::prj_bullet_txt);
    panel_->show();
}

toolkit::AppButton* ObjectExplainWindow::add_button(const QString& text, int x, int y, const QColor& text_colour,
                                                    const QColor& fill, const QFont& font, int w, int h) {
    auto* b = new toolkit::AppButton(panel_, text, font, x, y, w, h);
    b->set_colours(fill, text_colour, gcm::scheme().box_border_color);
    b->show();
    buttons_.push_back(b);
    return b;
}

void ObjectExplainWindow::add_graph(int top) {
    const gcm::Scheme& s = gcm::scheme();
    const int w = u_.w_button;
    const int h = u_.h_button;
    const int col0 = u_.left;
    const int col1 = col0 + w + u_.obj_dist;
    const int col2 = col1 + w + u_.obj_dist;
    const int row1 = top;
    const int row2 = row1 + h + u_.obj_dist;
    const int row3 = row2 + h + u_.obj_dist + u_.lwr_shift;
    const int row4 = row3 + h + u_.obj_dist;
    const auto kind = [&](const std::string& name, int x, int y, const QColor& fill, const QColor& text,
                          const std::string& full, const std::string& bullet) {
        toolkit::AppButton* b = add_button(ui(name), x, y, text, fill, bold_font_, w, h);
        connect(b, &QPushButton::clicked, this, [this, &full, &bullet] { set_explain_text(full, bullet); });
        return b->geometry();
    };
    const QRect prj = kind(GCC::prj_nd_name, col0, row1, s.box_color_prj, s.txt_color_prj, GCC::prj_txt,
                           GCC::prj_bullet_txt);
    const QRect usy = kind(GCC::usy_nd_name, col0, row2, s.box_color_usy, s.txt_color_usy, GCC::usy_txt,
                           GCC::usy_bullet_txt);
    const QRect man = kind(GCC::man_nd_name, col1, row2, s.box_color_man, s.txt_color_man, GCC::man_txt,
                           GCC::man_bullet_txt);
    const QRect req = kind(GCC::req_nd_name, col0, row3, s.box_color_req, s.txt_color_req, GCC::req_txt,
                           GCC::req_bullet_txt);
    const QRect arg = kind(GCC::arg_nd_name, col1, row3, s.box_color_arg, s.txt_color_arg, GCC::arg_txt,
                           GCC::arg_bullet_txt);
    const QRect evd = kind(GCC::evd_nd_name, col2, row3, s.box_color_evd, s.txt_color_evd, GCC::evd_txt,
                           GCC::evd_bullet_txt);
    const QRect dpr = kind(GCC::dpr_nd_name, col0, row4, s.box_color_dpr, s.txt_color_dpr, GCC::dpr_txt,
                           GCC::dpr_bullet_txt);
    const QRect opt = kind(GCC::opt_nd_name, col1, row4, s.box_color_opt_val, s.txt_color_opt_val, GCC::opt_txt,
                           GCC::opt_bullet_txt);

    // Project down to the story; story right to the mandate; both join above.
    const int join_y = usy.top() - u_.obj_dist / 2;
    lines_->add({prj.center().x(), prj.bottom()}, {prj.center().x(), usy.top()}, Head::Down);
    lines_->add({usy.center().x(), join_y}, {man.center().x(), join_y});
    lines_->add({man.center().x(), join_y}, {man.center().x(), man.top()}, Head::Down);
    lines_->add({usy.right(), usy.center().y()}, {man.left(), man.center().y()}, Head::Right);
    lines_->add({usy.center().x(), usy.bottom()}, {req.center().x(), req.top()}, Head::Down);
    lines_->add({arg.left(), arg.center().y()}, {req.right(), req.center().y()}, Head::Left);
    lines_->add({arg.right(), arg.center().y()}, {evd.left(), evd.center().y()}, Head::Right);
    lines_->add({req.center().x(), req.bottom()}, {dpr.center().x(), dpr.top()}, Head::Down);
    lines_->add({dpr.right(), dpr.center().y()}, {opt.left(), opt.center().y()}, Head::Right);
    lines_->add({opt.center().x(), opt.top()}, {arg.center().x(), arg.bottom()}, Head::Up);

    // Between the two vertical lines: an option's integration requirement
    // becomes a parent requirement of design problems.
    const int left_line = req.center().x();
    const int right_line = arg.center().x();
    const int gap = u_.obj_dist / 3;
    const QString caption = QStringLiteral("Integration Requirement");
    const int iw = right_line - left_line - 2 * gap;
    // The caption fits between the two lines, in a smaller font where it must.
    QFont caption_font = bold_font_;
    while (caption_font.pixelSize() > 6 && QFontMetrics(caption_font).horizontalAdvance(caption) + 8 > iw)
        caption_font.setPixelSize(caption_font.pixelSize() - 1);
    const int ih = std::min(h, std::max(u_.obj_dist - 4, QFontMetrics(caption_font).height() + 4));
    const int iy = req.bottom() + (dpr.top() - req.bottom() - ih) / 2;
    toolkit::AppButton* integration = add_button(caption, left_line + gap, iy, s.panel_text_color, s.panel_color,
                                                 caption_font, iw, ih);
    integration->set_border_color(s.panel_color);
    connect(integration, &QPushButton::clicked, this, &ObjectExplainWindow::explain_integration);
    const int mid = iy + ih / 2;
    lines_->add({right_line, mid}, {integration->geometry().right(), mid});
    lines_->add({integration->geometry().left(), mid}, {left_line, mid});
    lines_->add({left_line + gap / 2, mid}, {left_line + gap / 2, mid - gap}, Head::Up);
    lines_->setGeometry(panel_->rect());
    lines_->lower();
}

void ObjectExplainWindow::set_explain_text(const std::string& full, const std::string& bullet) {
    show_int_req_controls(false);
    show_explanation(ui(presentation_ ? bullet : full), explain_rect_);
}

void ObjectExplainWindow::show_explanation(const QString& text, const QRect& room) {
    explain_->setGeometry(room);
    explain_->setText(text);
    // Maximised, the large text shrinks where it would be cut at the bottom.
    explain_->setFont(presentation_ ? fitting_font(label_font_, explain_->contentsRect(), text, true) : label_font_);
}

void ObjectExplainWindow::explain_integration() {
    const page_geometry::IntReqDiagram diagram = page_geometry::int_req_diagram({presentation_,
                                                                                 to_rect(explain_rect_),
                                                                                 {panel_->width(), panel_->height()},
                                                                                 u_.fh,
                                                                                 presentation_ ? u_.fh : 10});
    show_explanation(ui(presentation_ ? GCC::int_req_bullet_txt : GCC::int_req_txt), to_qrect(diagram.text));
    if (int_req_controls_.empty()) add_int_req_diagram(diagram);
    show_int_req_controls(true);
}

void ObjectExplainWindow::show_int_req_controls(bool shown) {
    for (QWidget* control : int_req_controls_) control->setVisible(shown);
}

void ObjectExplainWindow::add_int_req_diagram(const page_geometry::IntReqDiagram& diagram) {
    const gcm::Scheme& s = gcm::scheme();
    auto* arrows = new Lines(panel_);
    arrows->setGeometry(panel_->rect());
    arrows->add(diagram);
    line_layers_.push_back(arrows);
    arrows->show();
    int_req_controls_.push_back(arrows);
    // One bold font for every caption, as large as the layout's and small enough for the widest.
    QFont bold = font_of_height(presentation_ ? u_.fh : QFontInfo(font()).pixelSize(), true);
    for (const page_geometry::IntReqBox& box : diagram.boxes)
        bold = fitting_font(bold, to_qrect(box.rect).adjusted(4, 0, -4, 0), ui(box.caption), false);
    for (const page_geometry::IntReqBox& box : diagram.boxes) {
        const auto [fill, text] = [&]() -> std::pair<QColor, QColor> {
            switch (box.kind) {
            case page_geometry::IntReqKind::Argument: return {s.box_color_arg, s.txt_color_arg};
            case page_geometry::IntReqKind::Requirement: return {s.box_color_req, s.txt_color_req};
            case page_geometry::IntReqKind::DesignProblem: return {s.box_color_dpr, s.txt_color_dpr};
            case page_geometry::IntReqKind::Option: break;
            }
            return {s.box_color_opt_val, s.txt_color_opt_val};
        }();
        const QRect r = to_qrect(box.rect);
        auto* b = new toolkit::AppButton(panel_, ui(box.caption), bold, r.x(), r.y(), r.width(), r.height());
        b->set_colours(fill, text, s.box_border_color);
        b->show();
        int_req_controls_.push_back(b);
    }
    arrows->lower();
}

void ObjectExplainWindow::fit_panel() {
    const int top = title_bar_height();
    panel_->setGeometry(0, top, width(), std::max(height() - top, 0));
    for (Lines* lines : line_layers_) lines->setGeometry(panel_->rect());
}

void ObjectExplainWindow::relayout() {
    if (!panel_) return;
    const bool maximised = isMaximized();
    if (size() != laid_out_size_ || maximised != laid_out_presentation_) {
        laid_out_size_ = size();
        laid_out_presentation_ = maximised;
        if (maximised)
            apply_presentation_layout();
        else
            apply_normal_layout();
    }
    fit_panel();
}

void show_object_explanation(QWidget* parent) {
    static QPointer<ObjectExplainWindow> open;
    if (!open) {
        open = new ObjectExplainWindow(parent);
        open->show();
    }
    open->raise();
    open->activateWindow();
}

}  // namespace windows
