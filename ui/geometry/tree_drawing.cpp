#include "ui/geometry/tree_drawing.h"

#include <cmath>
#include <vector>

#include "core/layout/tree_el.h"
#include "core/model/node.h"

namespace page_geometry {
namespace {

// "AND" under an option split into sub-options, "OR" under a design
// problem's alternatives; nothing elsewhere.
const char* branch_label(const TreeEl& el) {
    const auto& children = el.get_children();
    if (children.size() < 2 || !el.get_node()) return nullptr;
    const Node* first = children.front()->get_node();
    if (!first || !first->is_opt()) return nullptr;
    if (el.get_node()->is_opt()) return "AND";
    if (el.get_node()->is_dpr()) return "OR";
    return nullptr;
}

class TreeDrawing {
public:
    TreeDrawing(PageBuilder& builder, int x_origin, int y_origin) : page(builder), x0(x_origin), y0(y_origin) {}

    int draw(const TreeEl& el) {
        const int f = page.m.f;
        const int box = page.add_box(el.get_node(), el.get_x_pos() + x0, el.get_y_pos() + y0 - f);
        if (box < 0) return box;
        const Point stem = get_lwr_pt(page.rect(box));
        if (!el.get_children().empty() && !draw_children(el, stem)) return box;
        if (!el.get_linked().empty()) draw_links(el, stem);
        if (const char* label = branch_label(el)) page.add_label(label, {stem.x, stem.y + f});
        return box;
    }

private:
    // False when a child had no box, which ends this element's drawing.
    bool draw_children(const TreeEl& el, Point stem) {
        const int f = page.m.f;
        page.add_vert_line(stem, f);
        std::vector<Point> tops;
        for (const TreeEl* child : el.get_children()) {
            const int child_box = draw(*child);
            if (child_box < 0) return false;
            tops.push_back(get_upr_pt(page.rect(child_box)));
            page.add_vert_line(tops.back(), -f);
        }
        const Point first{tops.front().x, tops.front().y - f};
        const Point last{tops.back().x, first.y};
        page.add_hor_line(first, last.x - first.x);
        if (last.x < stem.x) page.add_hor_line(last, stem.x - last.x);
        if (first.x > stem.x) page.add_hor_line(first, stem.x - first.x);
        return true;
    }

    // A stub beside the stem, and a line over to every linked element at
    // most one level deeper, dropping onto its top.
    void draw_links(const TreeEl& el, Point stem) {
        const int f = page.m.f;
        const int s = static_cast<int>(std::nearbyint(0.7 * f));  // halves to even
        const int t = f - s;
        const Point stub{stem.x - t, stem.y};
        page.add_vert_line(stub, s);
        for (const TreeEl* target : el.get_linked()) {
            if (target->get_o_lvl() > el.get_o_lvl() + 1) continue;
            const int x = target->get_x_pos() + x0 + page.m.w / 2 + t;
            page.add_hor_line({stub.x, stub.y + s}, x - stub.x);
            page.add_vert_line({x, target->get_y_pos() + y0 - f}, -(t + f));
        }
    }

    PageBuilder& page;
    const int x0;
    const int y0;
};

}  // namespace

int draw_tree_el_tree(PageBuilder& page, const TreeEl* tree, int x0, int y0) {
    if (!tree) return -1;
    return TreeDrawing(page, x0, y0).draw(*tree);
}

}  // namespace page_geometry
