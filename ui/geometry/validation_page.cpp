#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/constants/gcc.h"
#include "core/layout/tree_el.h"
#include "core/model/argument.h"
#include "core/model/design_problem.h"
#include "core/model/evidence.h"
#include "core/model/option.h"
#include "core/model/project.h"
#include "core/model/requirement.h"
#include "core/queries/page_selections.h"
#include "ui/geometry/page_builder.h"
#include "ui/geometry/pages.h"
#include "ui/geometry/tree_drawing.h"

namespace page_geometry {
namespace {

// A row per level of the option tree: the integration requirement of each
// option that has one, side by side without gaps.
void draw_integration_requirements(PageBuilder& page, const TreeEl& tree, int x, int y) {
    const auto [f, w, h] = page.m;
    for (const auto& level : tree.get_option_tree()) {
        int row_x = x;
        for (const Node* option : level)
            if (const Requirement* integration = static_cast<const Option*>(option)->get_integration_requirement()) {
                page.add_box(integration, row_x, y);
                row_x += f + w;
            }
        y += 2 * f + h;
    }
}

// The requirements of the design problem, each with the arguments of the
// shown options below it and, in a column right of the integration
// requirements, what those arguments derive and prove. A requirement or
// evidence is drawn once on the page; later arguments reach it by an elbow
// connector in a lane of its own.
class ArgumentRows {
public:
    ArgumentRows(PageBuilder& builder, std::unordered_map<std::string, int> option_boxes, int child_x, int first_y)
        : page(builder), option_box_of(std::move(option_boxes)), x_i(child_x), y(first_y) {}

    // Draws the requirement's row and returns its box.
    int draw(const Requirement& requirement) {
        const auto [f, w, h] = page.m;
        const int box = page.add_box(&requirement, 2 * f, y);
        page.box(box).argument_commands = true;
        page.box(box).ai_commands = true;
        page.add_hor_line(get_lh_pt(page.rect(box)), -f);
        lane = x_i + w + f;
        const int argument_y = y + h / 2 + f;
        y += 2 * f + h;

        std::optional<Point> first_top;
        const auto arguments = shown_arguments(requirement);
        for (size_t j = 0; j < arguments.size(); ++j) {
            const auto [argument, option_box] = arguments[j];
            const int argument_box = page.add_box(argument, page.rect(option_box).x, argument_y);
            const Point top = get_upr_pt(page.rect(argument_box));
            page.add_vert_line(top, -f);
            if (!first_top) first_top = top;
            // Drops to children drawn before end half a font height below the
            // last child drawn so far.
            const int anchor = last_child_box;
            for (const Requirement* child : argument->get_child_requirements())
                join(child, drawn_requirements, argument_box, j == 0, anchor);
            for (const Evidence* child : argument->get_child_evidences())
                join(child, drawn_evidence, argument_box, j == 0, anchor);
        }
        if (first_top) {
            const Point right = get_rh_pt(page.rect(box));
            page.add_hor_line(right, first_top->x - right.x);
        }
        return box;
    }

private:
    // The requirement's arguments whose option has a box, each under the box
    // of its last such parent option; rightmost first, and of two at one x
    // the later argument first.
    std::vector<std::pair<const Argument*, int>> shown_arguments(const Requirement& requirement) const {
        std::vector<std::pair<const Argument*, int>> shown;
        for (const Argument* argument : requirement.get_child_arguments()) {
            int option_box = -1;
            for (const Option* option : argument->get_parent_options(false))
                if (const auto found = option_box_of.find(option->get_uid()); found != option_box_of.end())
                    option_box = found->second;
            if (option_box >= 0) shown.emplace_back(argument, option_box);
        }
        std::reverse(shown.begin(), shown.end());
        std::stable_sort(shown.begin(), shown.end(),
                         [&](const auto& a, const auto& b) { return page.rect(a.second).x > page.rect(b.second).x; });
        return shown;
    }

    // Joins the child to the argument: a new box in the child column, or an
    // elbow to the box drawn for it earlier.
    void join(const Node* child, std::unordered_map<std::string, int>& drawn, int argument_box, bool first_argument,
              int anchor) {
        const auto [f, w, h] = page.m;
        const Rect argument_rect = page.rect(argument_box);
        if (const auto found = drawn.find(child->get_uid()); found != drawn.end()) {
            const Point existing = get_rh_pt(page.rect(found->second));
            if (first_argument) {
                page.add_hor_conn(existing, get_rh_pt(argument_rect), lane);
            } else {
                Point start = get_lwr_pt(argument_rect);
                start.x += static_cast<int>(0.7 * f);
                const int length =
                    anchor < 0 ? f : static_cast<int>(get_lwr_pt(page.rect(anchor)).y + 0.5 * f - start.y);
                page.add_vert_line(start, length);
                page.add_hor_conn(existing, {start.x, start.y + length}, lane);
            }
            lane += static_cast<int>(0.7 * f);
            return;
        }
        const int box = page.add_box(child, x_i, y);
        drawn[child->get_uid()] = box;
        last_child_box = box;
        const Point left = get_lh_pt(page.rect(box));
        const Point bottom = get_lwr_pt(argument_rect);
        page.add_hor_line(left, bottom.x - left.x);
        page.add_vert_line(bottom, left.y - bottom.y);
        y += h + f;
    }

    PageBuilder& page;
    const std::unordered_map<std::string, int> option_box_of;  // first option box per uid
    const int x_i;
    int y;
    int lane = 0;
    std::unordered_map<std::string, int> drawn_requirements;  // last box per uid
    std::unordered_map<std::string, int> drawn_evidence;
    int last_child_box = -1;
};

}  // namespace

ValidationOption validation_page_option(Node* selected) {
    if (selected && selected->is_opt()) return {static_cast<Option*>(selected), std::nullopt};
    Node* shown = MyFF::get_validation_tabpage_option(selected);
    if (!shown || !shown->is_opt()) return {};
    return {static_cast<Option*>(shown), shown->get_uid()};
}

PageGeometry validation_page(Node* selected, const CanvasFont& font) {
    PageBuilder page(font);
    if (!GCC::RP) return page.take();
    const auto [f, w, h] = page.m;
    const auto [option, tree_selection] = validation_page_option(selected);
    page.geometry().tree_selection = tree_selection;
    if (!option) return page.take();
    Option* top = option->get_top_option();
    if (top != option) page.geometry().tree_selection = top->get_uid();
    const DesignProblem* problem = option->get_parent_designproblem();

    const std::unique_ptr<TreeEl> tree(top->create_option_tree());
    tree->calculate_init_pos(f, w, h);
    const int tree_width = tree->get_width() * (w + f) - f;
    const int tree_height = tree->get_depth() * (2 * f + h) - f;
    const int x_t = 4 * f + w;
    const int y_t = h / 2 + 4 * f;
    draw_tree_el_tree(page, tree.get(), x_t, y_t);

    std::unordered_map<std::string, int> option_boxes;
    int highest_option = -1;
    for (int i = 0; i < static_cast<int>(page.geometry().boxes.size()); ++i) {
        if (page.box(i).kind != NodeKind::Option) continue;
        option_boxes.try_emplace(page.box(i).uid, i);
        if (highest_option < 0 || page.rect(i).y < page.rect(highest_option).y) highest_option = i;
    }

    const int problem_box = problem ? page.add_box(problem, 2 * f, 2 * f) : -1;
    if (problem_box >= 0 && highest_option >= 0) {
        Point joint = get_upr_pt(page.rect(highest_option));
        joint.y -= f;
        page.add_vert_line(joint, f);
        page.add_hor_line(joint, get_rh_pt(page.rect(problem_box)).x - joint.x);
    }

    const int x_i = x_t + tree_width + 2 * f;
    draw_integration_requirements(page, *tree, x_i, y_t);
    if (problem_box < 0) return page.take();
    const auto requirements = problem->get_parent_requirements();
    if (requirements.empty()) return page.take();

    const Point problem_left = get_lh_pt(page.rect(problem_box));
    page.add_hor_line(problem_left, f - problem_left.x);
    const Point trunk{f, problem_left.y};
    int trunk_length = 0;
    ArgumentRows rows(page, std::move(option_boxes), x_i, y_t + tree_height + f - h / 2);
    for (const Requirement* requirement : requirements)
        trunk_length = get_lh_pt(page.rect(rows.draw(*requirement))).y - trunk.y;
    page.add_vert_line(trunk, trunk_length);
    return page.take();
}

}  // namespace page_geometry
