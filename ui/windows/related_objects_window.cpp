#include "ui/windows/related_objects_window.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <algorithm>

#include "core/constants/gcc.h"
#include "core/model/node.h"
#include "core/model/project.h"
#include "ui/glue/screen_placement.h"
#include "ui/theme/fonts.h"
#include "ui/toolkit/title_bar.h"
#include "ui/windows/box_view.h"

namespace windows {
namespace {

Node* resolve(const std::string& uid) { return GCC::RP ? GCC::RP->_get_pointer_to_node_with_uid(uid) : nullptr; }

QString title_of(const std::string& uid) {
    return QStringLiteral("Related Objects of ") +
           (resolve(uid) ? QString::fromStdString(uid) : QStringLiteral("<invalid>"));
}

int needed_height(int font_height) { return 10 * font_height + 3 * page_geometry::box_height_in_f * font_height; }

// The application font, or a smaller one that lets the window fit 90 % of the working area.
QFont window_font(const QRect& area) {
    const int f = QFontMetrics(gcm::app_font()).height();
    const int height = needed_height(f);
    if (height <= 0.9 * area.height()) return gcm::app_font();
    const double size = QFontInfo(gcm::app_font()).pixelSize() * (0.9 * area.height()) / (height + 9.9);
    return font_of_pixel_size(static_cast<int>(size));
}

// A row of n boxes centred under or over the centre box, joined to it by
// connectors of one gap each and a bar between their stems.
void add_row(page_geometry::PageBuilder& page, const std::vector<Node*>& nodes, const page_geometry::Rect& centre,
             bool above) {
    if (nodes.empty()) return;
    const int d = page.m.f;
    const int n = static_cast<int>(nodes.size());
    const int pitch = page.m.w + d;
    const int x0 = centre.x + page.m.w / 2 - ((n - 1) * d + n * page.m.w) / 2;
    const int y = above ? centre.y - 2 * d - page.m.h : centre.bottom() + 2 * d;
    const page_geometry::Point stem = above ? page_geometry::get_upr_pt(centre) : page_geometry::get_lwr_pt(centre);
    page.add_vert_line({stem.x, above ? stem.y - d : stem.y}, d);
    int first_x = 0;
    int last_x = 0;
    for (int i = 0; i < n; ++i) {
        const int box = page.add_box(nodes[static_cast<size_t>(i)], x0 + i * pitch, y);
        if (box < 0) continue;
        const page_geometry::Rect& rect = page.rect(box);
        const page_geometry::Point end = above ? page_geometry::get_lwr_pt(rect) : page_geometry::get_upr_pt(rect);
        page.add_vert_line({end.x, above ? end.y : end.y - d}, d);
        if (i == 0) first_x = end.x;
        last_x = end.x;
    }
    if (n > 1) page.add_hor_line({first_x, above ? centre.y - d : centre.bottom() + d}, last_x - first_x);
}

// Room for the longer row of relatives and a gap and a half on each side; at
// least a centre box wide.
int row_width(const page_geometry::BoxMetrics& m, const Node* node) {
    const size_t most = node ? std::max(node->get_parents().size(), node->get_children().size()) : 0;
    return std::max((m.w + m.f) * static_cast<int>(most) + 3 * m.f, m.w + 2 * m.f);
}

}  // namespace

RelatedObjectsWindow::RelatedObjectsWindow(const std::string& uid, const QPoint& at, QWidget* parent)
    : AppFormResizable(title_of(uid), parent), uid_(uid) {
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    const QRect area = glue::available_geometry_at(at);
    view_ = new BoxView(this, window_font(area));
    const page_geometry::BoxMetrics m = view_->metrics();
    panel_width_ = row_width(m, resolve(uid_));
    const int height = needed_height(m.f);
    const int width_limit = static_cast<int>(0.9 * area.width());
    const bool scrolls = panel_width_ >= width_limit;
    resize(scrolls ? width_limit : panel_width_ + 2, height);
    view_->setHorizontalScrollBarPolicy(scrolls ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    glue::place_near_edges(*this, at, m.f);
    relayout();
    draw();
}

void RelatedObjectsWindow::relayout() {
    if (!view_) return;
    view_->setGeometry(1, title_bar_height(), width() - 2, height() - title_bar_height() - 2);
}

void RelatedObjectsWindow::draw() {
    const Node* node = resolve(uid_);
    if (!node) return;
    // Relatives added since opening widen the row; the view then scrolls.
    panel_width_ = row_width(view_->metrics(), node);
    if (panel_width_ > view_->width()) view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    page_geometry::PageBuilder page = view_->builder();
    const int panel_height = height() - title_bar_height() - 2;
    const int centre = page.add_box(node, (panel_width_ - page.m.w) / 2, (panel_height - page.m.h) / 2);
    if (centre < 0) return;
    const page_geometry::Rect rect = page.rect(centre);
    add_row(page, node->get_parents(), rect, true);
    add_row(page, node->get_children(), rect, false);
    view_->show_page(page.take(), QSize(panel_width_, panel_height));
}

void RelatedObjectsWindow::refresh() {
    title_bar()->set_title(title_of(uid_));
    if (resolve(uid_))
        draw();
    else
        view_->keep_survivors();
}

}  // namespace windows
