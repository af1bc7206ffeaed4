#include "ui/windows/object_explain_window.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <cmath>

#include "core/constants/explanation_texts.h"
#include "core/constants/gcc.h"
#include "ui/glue/screen_placement.h"
#include "ui/glue/text_conversion.h"
#include "ui/theme/fonts.h"
#include "ui/theme/scheme.h"
#include "ui/toolkit/app_button.h"
#include "ui/toolkit/app_label.h"
#include "ui/toolkit/title_bar.h"
#include "ui/windows/contact_lines.h"

namespace windows {

// The connector lines and arrowheads of the diagrams, under the boxes.
class Lines : public QWidget {
public:
    explicit Lines(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }

    enum class Head { None, Right, Down, Left, Up };
    void add(QPoint from, QPoint to, Head head = Head::None) { lines_.push_back({from, to, head}); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QColor colour = gcm::scheme().box_connect_color;
        painter.setPen(QPen(colour, 2));
        painter.setBrush(colour);
        for (const Line& line : lines_) {
            painter.drawLine(line.from, line.to);
            if (line.head == Head::None) continue;
            const int s = 6;
            const QPoint t = line.to;
            QPolygon head;
            switch (line.head) {
                case Head::Right: head << t << t + QPoint(-s, -s) << t + QPoint(-s, s); break;
                case Head::Left: head << t << t + QPoint(s, -s) << t + QPoint(s, s); break;
                case Head::Down: head << t << t + QPoint(-s, -s) << t + QPoint(s, -s); break;
                case Head::Up: head << t << t + QPoint(-s, s) << t + QPoint(s, s); break;
                case Head::None: break;
            }
            painter.drawPolygon(head);
        }
    }

private:
    struct Line {
        QPoint from;
        QPoint to;
        Head head;
    };
    std::vector<Line> lines_;
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
    explain_->setGeometry(10, y, width() - 20, 10 * u_.h_button);
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
    explain_->setGeometry(left, 3 * fh, std::max(width() - left - fh, fh), height() - title_bar_height() - 4 * fh);
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
    explain_->setText(ui(presentation_ ? bullet : full));
    show_int_req_controls(false);
}

void ObjectExplainWindow::explain_integration() {
    explain_->setText(ui(presentation_ ? GCC::int_req_bullet_txt : GCC::int_req_txt));
    if (int_req_controls_.empty()) add_int_req_diagram();
    show_int_req_controls(true);
}

void ObjectExplainWindow::show_int_req_controls(bool shown) {
    for (QWidget* control : int_req_controls_) control->setVisible(shown);
}

void ObjectExplainWindow::add_int_req_diagram() {
    const gcm::Scheme& s = gcm::scheme();
    const int fh = u_.fh;
    const int h = 2 * fh;
    const QFont bold = font_of_height(presentation_ ? fh : QFontInfo(font()).pixelSize(), true);
    // Below the explanation's text; maximised, a fixed distance above the bottom.
    const int text_height =
        QFontMetrics(explain_->font()).boundingRect(explain_->contentsRect(), Qt::TextWordWrap, explain_->text()).height();
    const int top = presentation_ ? panel_->height() - static_cast<int>(5.5 * (u_.h_button + u_.obj_dist))
                                  : explain_->y() + text_height + 20;
    const int x0 = explain_->x();
    const int column = std::max((width() - x0 - 10) / 4, 4 * fh);
    const int w = column - fh;
    const int pitch = h + fh;
    auto* arrows = new Lines(panel_);
    arrows->setGeometry(panel_->rect());
    line_layers_.push_back(arrows);
    arrows->show();
    int_req_controls_.push_back(arrows);
    const auto box = [&](const QString& text, int col, int row, const QColor& fill, const QColor& colour) {
        auto* b = new toolkit::AppButton(panel_, text, bold, x0 + col * column, top + row * pitch, w, h);
        b->set_colours(fill, colour, s.box_border_color);
        b->show();
        int_req_controls_.push_back(b);
        return b->geometry();
    };
    const QRect arg = box(QStringLiteral("Argument"), 1, 0, s.box_color_arg, s.txt_color_arg);
    const QRect r1 = box(QStringLiteral("Requirement 1"), 0, 1, s.box_color_req, s.txt_color_req);
    const QRect r2 = box(QStringLiteral("Requirement 2"), 2, 1, s.box_color_req, s.txt_color_req);
    const QRect da = box(QStringLiteral("Design Problem A"), 0, 2, s.box_color_dpr, s.txt_color_dpr);
    const QRect db = box(QStringLiteral("Design Problem B"), 2, 2, s.box_color_dpr, s.txt_color_dpr);
    const QRect ox = box(QStringLiteral("Option X"), 0, 3, s.box_color_opt_val, s.txt_color_opt_val);
    const QRect oy = box(QStringLiteral("Option Y"), 2, 3, s.box_color_opt_val, s.txt_color_opt_val);
    const QRect s1 = box(QStringLiteral("Sub Option 1"), 0, 4, s.box_color_opt_val, s.txt_color_opt_val);
    const QRect s2 = box(QStringLiteral("Sub Option 2"), 1, 4, s.box_color_opt_val, s.txt_color_opt_val);
    arrows->add({arg.left(), arg.center().y()}, {r1.center().x(), r1.top()}, Head::Down);
    arrows->add({arg.right(), arg.center().y()}, {r2.center().x(), r2.top()}, Head::Down);
    arrows->add({r1.center().x(), r1.bottom()}, {da.center().x(), da.top()}, Head::Down);
    arrows->add({r2.center().x(), r2.bottom()}, {db.center().x(), db.top()}, Head::Down);
    arrows->add({da.center().x(), da.bottom()}, {ox.center().x(), ox.top()}, Head::Down);
    arrows->add({db.center().x(), db.bottom()}, {oy.center().x(), oy.top()}, Head::Down);
    arrows->add({ox.center().x(), ox.bottom()}, {s1.center().x(), s1.top()}, Head::Down);
    arrows->add({ox.center().x(), ox.bottom()}, {s2.center().x(), s2.top()}, Head::Down);
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
