#include "ui/windows/origin_tree_window.h"

#include <algorithm>
#include <limits>
#include <memory>

#include "core/constants/gcc.h"
#include "core/layout/tree_el.h"
#include "core/model/project.h"
#include "core/model/requirement.h"
#include "ui/geometry/tree_drawing.h"
#include "ui/glue/screen_placement.h"
#include "ui/theme/fonts.h"
#include "ui/toolkit/title_bar.h"
#include "ui/windows/box_view.h"

namespace windows {
namespace {

Requirement* requirement_of(const std::string& uid) {
    Node* node = GCC::RP ? GCC::RP->_get_pointer_to_node_with_uid(uid) : nullptr;
    return node && node->is_req() ? static_cast<Requirement*>(node) : nullptr;
}

QString title_of(const std::string& uid) {
    return QStringLiteral("Origin of ") +
           (requirement_of(uid) ? QString::fromStdString(uid) : QStringLiteral("<invalid>"));
}

// Mirrors the drawing within the band it occupies: the root ends at the
// bottom and its origins stand above it.
void put_upside_down(page_geometry::PageGeometry& page) {
    int top = std::numeric_limits<int>::max();
    int bottom = std::numeric_limits<int>::min();
    const auto extend = [&](const page_geometry::Rect& r) {
        top = std::min(top, r.y);
        bottom = std::max(bottom, r.bottom());
    };
    for (const auto& box : page.boxes) extend(box.rect);
    for (const auto& line : page.lines) extend(line.area());
    for (const auto& label : page.labels) extend(label.rect);
    if (top > bottom) return;
    const auto mirror = [&](int y, int height) { return top + bottom - y - height; };
    for (auto& box : page.boxes) box.rect.y = mirror(box.rect.y, box.rect.height);
    for (auto& line : page.lines) {
        const page_geometry::Rect area = line.area();
        const int dy = mirror(area.y, area.height) - area.y;
        line.from.y += dy;
        line.to.y += dy;
    }
    for (auto& label : page.labels) {
        const int y = mirror(label.rect.y, label.rect.height);
        label.centre.y += y - label.rect.y;
        label.rect.y = y;
    }
}

}  // namespace

OriginTreeWindow::OriginTreeWindow(const std::string& requirement_uid, const QPoint& at, QWidget* parent)
    : AppFormBase(title_of(requirement_uid), parent), uid_(requirement_uid) {
    view_ = new BoxView(this, gcm::app_font());
    draw();
    const page_geometry::BoxMetrics m = view_->metrics();
    const int f = m.f;
    const QRect area = glue::available_geometry_at(at);
    const int needed_height = (depth_ + 7) * f + depth_ * m.h;
    const int needed_width = (leaves_ + 5) * f + leaves_ * m.w;
    const int height_limit = static_cast<int>(0.85 * area.height());
    const int width_limit = static_cast<int>(0.85 * area.width());
    const bool height_fits = needed_height <= height_limit;
    const bool width_fits = needed_width <= width_limit;
    int height = std::min(needed_height, height_limit);
    const int width = std::min(needed_width, width_limit);
    if (!height_fits) height += title_bar_height();
    resize(width, height);
    const int inner_width = width - (height_fits ? 2 : 12);
    const int inner_height = height - title_bar_height() - (width_fits ? 2 : 12);
    view_->setGeometry(1, title_bar_height(), inner_width, inner_height);
    const Qt::ScrollBarPolicy policy = height_fits && width_fits ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded;
    view_->setHorizontalScrollBarPolicy(policy);
    view_->setVerticalScrollBarPolicy(policy);
    glue::place_near_edges(*this, at, f);
}

bool OriginTreeWindow::draw() {
    Requirement* requirement = requirement_of(uid_);
    if (!requirement) return false;
    const std::unique_ptr<TreeEl> tree(requirement->get_why());
    if (!tree) return false;
    page_geometry::PageBuilder page = view_->builder();
    const int f = page.m.f;
    tree->calculate_pos(f, page.m.w, page.m.h, true);
    depth_ = tree->get_depth();
    leaves_ = tree->get_width();
    page_geometry::draw_tree_el_tree(page, tree.get(), 2 * f, 2 * f);
    page_geometry::PageGeometry drawn = page.take();
    put_upside_down(drawn);
    const page_geometry::Point corner = drawn.far_corner();
    view_->show_page(std::move(drawn), QSize(corner.x + 2 * f, corner.y + 2 * f));
    return true;
}

void OriginTreeWindow::refresh() {
    title_bar()->set_title(title_of(uid_));
    if (!draw()) view_->keep_survivors();
}

}  // namespace windows
