#include "pdf/reports/export_req_pdf.h"

#include "core/constants/gcc.h"
#include "core/model/evidence.h"
#include "core/model/option.h"
#include "core/model/project.h"
#include "core/model/requirement.h"
#include "core/model/user_story.h"
#include "core/queries/node_filters.h"
#include "core/queries/node_lists.h"
#include "core/queries/page_selections.h"
#include "core/text/sentences.h"
#include "pdf/doc/pdf_strings.h"
#include "pdf/reports/report_texts.h"

namespace pdf {
namespace {

// Option sections sit at this level, their sub-options one level deeper per depth.
constexpr int kSectionLevel = 4;
constexpr int kSubOptionLevel = 6;

std::string level_title(int layer, const std::string& ending) {
    return GCC::re11_title_prefix + int_text(layer) + ending;
}

}  // namespace

std::string ExportReqPDF::export_pdf(const std::string& directory, const std::string& name) {
    return run_export(directory, name, [this] {
        re01_add_introduction();
        re02_add_summary();
        re10_add_v_diagram_objects();
        re99_add_conclusion();
    });
}

void ExportReqPDF::re01_add_introduction() {
    add_new_page();
    add_header(1, GCC::re01_title, GCC::PDF_HEADER_LINK_PREFIX + GCC::re01_title);
    add_block(GCC::re01_00_txt);
    const auto run = [&](const std::string& text, bool blank_before = true) {
        add_after(text, {}, {}, {}, blank_before);
    };
    run(MyStrF::_addArticle(report_subject(), false));
    run(GCC::re01_01_txt);
    run(GCC::RP->get_name());
    run(GCC::re01_02_txt);
    run(GCC::program_name_and_version(), false);
    run(GCC::re01_03_txt, false);
}

void ExportReqPDF::re02_add_summary() {
    add_spacer_line(*this);
    add_header(1, GCC::re02_title, {});
    add_summary_text(*this, true);
}

void ExportReqPDF::re10_add_v_diagram_objects() {
    add_new_page();
    add_header(1, GCC::re10_title, {});
    add_header(2, GCC::re10_usy_title, {});
    add_block(GCC::re10_usy_intro, 0);
    for (UserStory* story : GCC::RP->get_child_user_stories()) add_user_story(story, 3, false, false);
    const auto top = GCC::RP->get_top_lvl_reqs();
    if (top.empty()) {
        add_no_obj_here(GCC::tlr_nd_name);
        return;
    }
    add_block(GCC::re10_intro);
    re11_add_v_diagram_layer(MyFF::as_nodes(top), 1);
}

void ExportReqPDF::re11_add_v_diagram_layer(const NodeList& first_layer, int layer_number) {
    // Layer by layer rather than by recursion; a requirement already laid
    // out in an earlier layer is not repeated, so a cycle in the graph ends
    // the walk instead of running forever.
    std::unordered_set<std::string> laid_out;
    NodeList requirements = MyFF::remove_duplicate_uids(first_layer, laid_out);
    for (int n = layer_number; !requirements.empty(); ++n) {
        add_header(2, GCC::re11_title + int_text(n), {});
        add_header(3, level_title(n, GCC::re11_req_title), {});
        NodeList problems;
        for (Node* r : requirements) {
            add_requirement(static_cast<Requirement*>(r), kSectionLevel, false, false);
            for (Node* d : MyFF::filter_dpr_nodes(r->get_children())) problems.push_back(d);
        }

        NodeList next;
        NodeList evidence;
        bool options_titled = false;
        for (Node* d : MyFF::remove_duplicate_uids(problems)) {
            NodeList shown = MyFF::get_show_nodes(MyFF::filter_opt_nodes(d->get_children()),
                                                  GCC::RP->get_shown_uids(), false);
            if (!shown.empty() && !options_titled) {
                add_header(3, level_title(n, GCC::re11_opt_title), {});
                options_titled = true;
            }
            std::unordered_set<std::string> visited;
            for (const Node* o : shown) visited.insert(o->get_uid());
            const NodeList picked = shown;
            for (Node* o : picked) {
                auto* option = static_cast<Option*>(o);
                add_option(option, kSectionLevel, false, false);
                add_sub_options(option, kSubOptionLevel, shown, visited);
            }
            MyFF::fill_v_diagram_lists(shown, next, evidence);
        }

        if (!evidence.empty()) {
            add_header(3, level_title(n, GCC::re11_evd_title), {});
            for (Node* e : evidence) add_evidence(static_cast<Evidence*>(e), kSectionLevel, false, false);
        }
        requirements = MyFF::remove_duplicate_uids(next, laid_out);
    }
}

void ExportReqPDF::add_sub_options(Option* option, int level, NodeList& shown,
                                   std::unordered_set<std::string>& visited) {
    // Depth first, each sub-option before its siblings' branches, with a
    // stack of its own: a chain of sub-options may be any depth.
    struct Pending {
        Node* option;
        int level;
    };
    std::vector<Pending> pending;
    const auto push_sub_options = [&](Node* parent, int sub_level) {
        const NodeList subs = MyFF::filter_opt_nodes(parent->get_children());
        for (auto it = subs.rbegin(); it != subs.rend(); ++it) pending.push_back({*it, sub_level});
    };
    push_sub_options(option, level);
    while (!pending.empty()) {
        const Pending next = pending.back();
        pending.pop_back();
        if (!visited.insert(next.option->get_uid()).second) continue;
        auto* sub = static_cast<Option*>(next.option);
        add_option(sub, next.level, false, false);
        shown.push_back(sub);
        push_sub_options(sub, next.level + 1);
    }
}

void ExportReqPDF::re99_add_conclusion() {
    add_new_page();
    add_header(1, GCC::re99_title, GCC::PDF_HEADER_LINK_PREFIX + GCC::re99_title);
    add_summary_text(*this, true);
}

}  // namespace pdf
