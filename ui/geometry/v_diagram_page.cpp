#include <algorithm>
#include <deque>
#include <string>
#include <unordered_set>
#include <vector>

#include "core/constants/gcc.h"
#include "core/model/option.h"
#include "core/model/project.h"
#include "core/queries/node_filters.h"
#include "core/queries/node_lists.h"
#include "core/queries/page_selections.h"
#include "ui/geometry/page_builder.h"
#include "ui/geometry/pages.h"

namespace page_geometry {
namespace {

// The left branch descends layer by layer: the requirements, then the shown
// options of their design problems; the right branch climbs back up with the
// evidence of each layer, deepest first.
class VDiagram {
public:
    VDiagram(PageBuilder& builder, const Project& project)
        : page(builder), shown_uids(project.get_shown_uids()), layer_limit(project.get_nd_map().size() + 1) {}

    void draw(Node* start);
    // The choices made because a place had none shown, in uid order.
    std::vector<std::string> new_choices(const Project& project) const;

private:
    // The boxes a place drew: its first and its last; -1 when none.
    struct Place {
        int first = -1;
        int last = -1;
    };

    // The candidates to show, recording an automatic choice in the working
    // copy of the shown-uid set.
    NodeList show(const NodeList& candidates) { return MyFF::get_show_nodes(candidates, shown_uids, true); }
    Place draw_layered_box(const NodeList& shown, const NodeList& all, int x, int y, bool down_lines);
    void draw_layers(NodeList requirements, int parent_box, int x, int shift);
    void draw_right(int box, int x, int y, int shift);
    void continue_below(const NodeList& shown, int box);
    int half_step(int x) const { return static_cast<int>(0.5 * (page.m.w + page.m.f) + x); }

    PageBuilder& page;
    std::unordered_set<std::string> shown_uids;
    // The evidence of each layer, the deepest layer's at the front.
    std::deque<NodeList> rows;
    // A chain of requirement layers in an acyclic graph has at most as many
    // layers as the graph has requirements.
    const size_t layer_limit;
};

VDiagram::Place VDiagram::draw_layered_box(const NodeList& shown, const NodeList& all, int x, int y,
                                           bool down_lines) {
    const auto [f, w, h] = page.m;
    const auto extra = static_cast<long>(all.size()) - static_cast<long>(shown.size());
    const int shadows = extra <= 0 ? 0 : static_cast<int>(std::min(extra, 6L));
    Place place;
    for (size_t i = 0; i < shown.size(); ++i, x += f + w) {
        Node* node = shown[i];
        const bool last = i + 1 == shown.size();
        // Copies behind the last box, the nearest one on top.
        if (last)
            for (int k = shadows; k >= 1; --k) {
                const int shadow = page.add_box(node, x + 3 * k, y + 4 * k);
                if (shadow >= 0) page.box(shadow).stack_shadow = true;
            }
        const int box = page.add_box(node, x, y);
        if (box < 0) continue;
        Node* chosen = node->is_opt() ? static_cast<Option*>(node)->get_top_option() : node;
        BoxDescription& description = page.box(box);
        description.alternatives.push_back(chosen->get_uid());
        for (const Node* candidate : all)
            if (candidate->get_uid() != chosen->get_uid()) description.alternatives.push_back(candidate->get_uid());
        description.hide_show_command = all.size() > 1;
        if (!last) page.add_hor_line(get_rh_pt(page.rect(box)), f);
        if (place.first < 0) {
            place.first = box;
            if (down_lines) page.add_vert_line(get_lwr_pt(page.rect(box)), f);
        }
        place.last = box;
    }
    return place;
}

void VDiagram::draw_layers(NodeList requirements, int parent_box, int x, int shift) {
    const auto [f, w, h] = page.m;
    std::unordered_set<std::string> earlier_layers;
    auto key = [](const NodeList& layer) {
        std::string joined;
        for (const Node* n : layer) joined.append(n->get_uid()).push_back('\n');
        return joined;
    };
    earlier_layers.insert(key(requirements));
    for (size_t layer = 1;; ++layer) {
        const int y = parent_box >= 0 ? page.rect(parent_box).y + h + 2 * f : 2 * f;
        shift -= w + f;
        const Place placed = draw_layered_box(show(requirements), requirements, x, y, false);
        if (placed.first < 0) {
            rows.emplace_front();
            draw_right(-1, x, y, shift);
            return;
        }
        Point joint = get_upr_pt(page.rect(placed.first));
        joint.y -= f;
        if (parent_box >= 0) {
            page.add_vert_line(joint, f);
            page.add_hor_line(joint, get_lwr_pt(page.rect(parent_box)).x - joint.x);
        }

        NodeList problems;
        for (const Node* r : requirements)
            for (Node* dp : MyFF::filter_dpr_nodes(r->get_children())) problems.push_back(dp);
        Place previous = placed;
        int x2 = page.rect(placed.last).x + w + f;
        NodeList next;
        NodeList evidence;
        for (const Node* dp : MyFF::remove_duplicate_uids(problems)) {
            const NodeList candidates = MyFF::filter_nodes(MyFF::filter_opt_nodes(dp->get_children()));
            const NodeList shown = show(candidates);
            MyFF::fill_v_diagram_lists(shown, next, evidence);
            const Place options = draw_layered_box(shown, candidates, x2, y, !next.empty());
            if (options.first < 0) continue;
            page.add_hor_line(get_rh_pt(page.rect(previous.last)), f);
            previous = options;
            x2 = page.rect(options.last).x + w + f;
        }
        rows.push_front(MyFF::remove_duplicate_uids(evidence));

        next = MyFF::remove_duplicate_uids(next);
        // A layer that repeats an earlier one can only come from a cycle in
        // the graph; the branch ends there instead of repeating forever.
        if (next.empty() || layer >= layer_limit || !earlier_layers.insert(key(next)).second) {
            draw_right(previous.last, x, y, shift);
            return;
        }
        shift = std::max(shift, get_rh_pt(page.rect(previous.last)).x - x);
        x = half_step(x);
        parent_box = previous.last;
        requirements = std::move(next);
    }
}

void VDiagram::draw_right(int box, int x, int y, int shift) {
    const auto [f, w, h] = page.m;
    if (box >= 0) shift = std::max(shift, get_rh_pt(page.rect(box)).x - x);
    x = half_step(shift + x);
    for (const NodeList& row : rows) {
        int box_x = x;
        for (const Node* n : row) {
            page.add_box(n, box_x, y);
            box_x += w + f;
        }
        x = half_step(x);
        y -= h + 2 * f;
    }
}

// Below a box that shows options: the layers of what those options require.
void VDiagram::continue_below(const NodeList& shown, int box) {
    if (box < 0) return;
    NodeList requirements;
    NodeList evidence;
    MyFF::fill_v_diagram_lists(shown, requirements, evidence);
    rows.assign(1, evidence);
    draw_layers(MyFF::filter_nodes(requirements), box, half_step(2 * page.m.f),
                get_rh_pt(page.rect(box)).x - 2 * page.m.f);
}

void VDiagram::draw(Node* start) {
    const auto [f, w, h] = page.m;
    const int x_n = half_step(2 * f);
    if (start->is_req()) {
        draw_layers({start}, -1, 2 * f, 0);
    } else if (start->is_usy() || start->is_arg()) {
        const int box = page.add_box(start, 2 * f, 2 * f);
        page.add_vert_line(get_lwr_pt(page.rect(box)), f);
        rows.emplace_back();
        draw_layers(MyFF::filter_nodes(MyFF::filter_req_nodes(start->get_children())), box, x_n,
                    get_rh_pt(page.rect(box)).x - 2 * f);
    } else if (start->is_dpr()) {
        const int box = page.add_box(start, 2 * f, 2 * f);
        page.add_hor_line(get_rh_pt(page.rect(box)), 2 * f);
        const NodeList candidates = MyFF::filter_opt_nodes(start->get_children());
        const NodeList shown = show(candidates);
        continue_below(shown, draw_layered_box(shown, candidates, 4 * f + w, 2 * f, true).last);
    } else if (start->is_opt()) {
        const int box = page.add_box(start, 2 * f, 2 * f);
        page.add_vert_line(get_lwr_pt(page.rect(box)), f);
        NodeList shown{start};
        int k = 0;
        for (Node* sub : MyFF::filter_opt_nodes(start->get_children())) {
            page.add_box(sub, 2 * f + ++k * (w + f), 2 * f);
            shown.push_back(sub);
        }
        continue_below(shown, box);
    } else {
        Project* project = GCC::RP;
        const int project_box = page.add_box(project, 2 * f, 2 * f);
        const NodeList stories = MyFF::filter_usy_nodes(project->get_children());
        const Place placed = draw_layered_box(show(stories), stories, 3 * f + w, 2 * f, false);
        if (placed.first < 0) return;
        page.add_hor_line(get_rh_pt(page.rect(project_box)), f);
        const NodeList mandates = MyFF::filter_nodes(MyFF::filter_man_nodes(stories.front()->get_children()));
        if (mandates.empty()) return;
        page.add_hor_line(get_rh_pt(page.rect(placed.last)), f);
        const Place mandate =
            draw_layered_box(mandates, mandates, page.rect(placed.last).x + w + f, 2 * f, true);
        NodeList requirements;
        for (const Node* story : stories)
            for (Node* r : MyFF::filter_req_nodes(story->get_children())) requirements.push_back(r);
        draw_layers(MyFF::filter_nodes(requirements), mandate.last, x_n, get_rh_pt(page.rect(mandate.last)).x - 2 * f);
    }
}

std::vector<std::string> VDiagram::new_choices(const Project& project) const {
    std::vector<std::string> added;
    for (const std::string& uid : shown_uids)
        if (!project.get_shown_uids().count(uid)) added.push_back(uid);
    std::sort(added.begin(), added.end());
    return added;
}

}  // namespace

PageGeometry v_diagram_page(Node* selected, const CanvasFont& font) {
    PageBuilder page(font);
    const Project* project = GCC::RP;
    if (!project) return page.take();
    VDiagram diagram(page, *project);
    diagram.draw(selected ? selected : GCC::RP);
    page.geometry().shown_choices = diagram.new_choices(*project);
    return page.take();
}

void record_shown_choices(Project& project, const PageGeometry& page) {
    for (const std::string& uid : page.shown_choices) project.get_shown_uids().insert(uid);
}

}  // namespace page_geometry
