#include <algorithm>
#include <unordered_map>
#include <vector>

#include "core/constants/gcc.h"
#include "core/model/mandate.h"
#include "core/model/project.h"
#include "core/model/requirement.h"
#include "core/model/user_story.h"
#include "ui/geometry/page_builder.h"
#include "ui/geometry/pages.h"

namespace page_geometry {

PageGeometry project_page(const CanvasFont& font) {
    PageBuilder page(font);
    Project* project = GCC::RP;
    if (!project) return page.take();
    const auto [f, w, h] = page.m;
    const Mandate* mandate = project->get_mandate();
    const auto stories = project->get_child_user_stories();

    const Point trunk_top = get_lwr_pt(page.rect(page.add_box(project, 2 * f, 2 * f)));
    if (mandate) page.add_box(mandate, 5 * f + w, 2 * f);

    // One row per user story; its requirements follow it to the right.
    struct Row {
        int y;
        int next_x;
    };
    const int story_x = w / 2 + 3 * f;
    const int requirement_x = story_x + w + 3 * f;
    std::vector<Row> rows;
    std::unordered_map<const VerbCapability*, std::vector<size_t>> rows_sharing;
    int y = 2 * f;
    for (const UserStory* story : stories) {
        y += f + h;
        const Rect& box = page.rect(page.add_box(story, story_x, y));
        page.add_hor_line(get_lh_pt(box), -f);
        if (mandate) page.add_hor_line(get_rh_pt(box), f);
        if (const VerbCapability* pair = story->get_verb_cap().get()) rows_sharing[pair].push_back(rows.size());
        rows.push_back({y, requirement_x});
    }
    // Without user stories a trunk would run upwards out of the project box.
    if (!stories.empty()) {
        const int length = y - trunk_top.y + h / 2 + 2;
        page.add_vert_line(trunk_top, length);
        if (mandate) page.add_vert_line({trunk_top.x + 2 * f + w, trunk_top.y}, length);
    }

    int lowest_row = -1;
    auto place = [&](const Requirement* requirement, int x, int row_y, int joint) {
        const Rect& box = page.rect(page.add_box(requirement, x, row_y));
        if (joint > 0) page.add_hor_line(get_lh_pt(box), -joint);
        lowest_row = std::max(lowest_row, row_y);
    };
    for (const Requirement* requirement : project->get_top_lvl_reqs()) {
        const auto found = rows_sharing.find(requirement->get_verb_cap().get());
        if (found == rows_sharing.end()) {
            y += f + h;
            place(requirement, requirement_x, y, mandate ? f : 0);
            continue;
        }
        for (const size_t index : found->second) {
            Row& row = rows[index];
            place(requirement, row.next_x, row.y, row.next_x > requirement_x ? 2 * f : (mandate ? f : 0));
            row.next_x += 2 * f + w;
        }
    }
    if (lowest_row >= 0) page.add_vert_line({requirement_x - f, trunk_top.y}, lowest_row + h / 2 - trunk_top.y);
    return page.take();
}

}  // namespace page_geometry
