#include "pdf/reports/export_nodes_pdf.h"

#include <algorithm>
#include <cmath>

#include "core/constants/gcc.h"
#include "core/model/argument.h"
#include "core/model/design_problem.h"
#include "core/model/evidence.h"
#include "core/model/mandate.h"
#include "core/model/option.h"
#include "core/model/project.h"
#include "core/model/requirement.h"
#include "core/model/user_story.h"
#include "core/quantity/parameter.h"
#include "core/reference/reference.h"
#include "core/text/number_format.h"

namespace pdf {

ExportNodesPDF::ExportNodesPDF() {
    if (GCC::RP) GCC::RP->set_export_directory("");
}

std::string ExportNodesPDF::get_filename() {
    if (filename.empty()) filename = GCC::RP ? GCC::RP->get_name() + ".pdf" : "no_root_project.pdf";
    return filename;
}

void ExportNodesPDF::set_filename(const std::string& name) {
    if (name.empty()) {
        get_filename();
        return;
    }
    const bool has_extension = name.size() >= 4 && name.compare(name.size() - 4, 4, ".pdf") == 0;
    filename = has_extension ? name : name + ".pdf";
}

// ---- Sections ----

bool ExportNodesPDF::start_section(const Node* node, const std::string& kind_name, int level, bool new_page,
                                   const std::string& heading) {
    if (new_page) add_new_page();
    if (!node) {
        add_no_obj_here(kind_name);
        return false;
    }
    add_header(level, heading, node->get_uid());
    return true;
}

void ExportNodesPDF::add_project(Project* project, int level, bool new_page) {
    if (!start_section(project, GCC::prj_nd_name, level, new_page, GCC::prj_nd_name + " Object")) return;
    add_block(GCC::prj_txt);
    add_node_info(project, true);
    add_row("Project Name", project->get_name());
    add_row("Filename", project->get_filename());
    add_block(project->get_description());
    add_node_ttt_refs_comments(project);
}

void ExportNodesPDF::add_user_story(UserStory* user_story, int level, bool new_page, bool full) {
    if (!start_section(user_story, GCC::usy_nd_name, level, new_page,
                       user_story ? user_story->get_short_txt(0) : std::string()))
        return;
    add_node_info(user_story, full);
    add_block(user_story->get_description());
    if (full) add_verbcapbase_info(user_story);
    add_node_ttt_refs_comments(user_story);
}

void ExportNodesPDF::add_mandate(Mandate* mandate, int level, bool new_page) {
    if (!start_section(mandate, GCC::man_nd_name, level, new_page, GCC::man_nd_name + " Object")) return;
    add_paragraphs(GCC::man_txt, 10);
    add_node_info(mandate, true);
    if (!mandate->get_remark().empty()) {
        add_block("The " + mandate->get_nd_name() + " Object remark:");
        add_block(mandate->get_remark(), 0);
    }
    add_block("The solution must be developed to: " + ReadinessLevel::get_reqd_level_txt_ptr());
    add_node_ttt_refs_comments(mandate);
}

void ExportNodesPDF::add_requirement(Requirement* requirement, int level, bool new_page, bool full) {
    if (!start_section(requirement, GCC::req_nd_name, level, new_page,
                       requirement ? requirement->get_short_txt(0, true) : std::string()))
        return;
    add_node_info(requirement, full);
    if (full) add_verbcapparambase_info(requirement);
    add_node_ttt_refs_comments(requirement);
}

void ExportNodesPDF::add_design_problem(DesignProblem* design_problem, int level, bool new_page) {
    if (!start_section(design_problem, GCC::dpr_nd_name, level, new_page,
                       design_problem ? design_problem->get_short_txt(0) : std::string()))
        return;
    add_node_info(design_problem, true);
    add_node_ttt_refs_comments(design_problem);
}

void ExportNodesPDF::add_option(Option* option, int level, bool new_page, bool full) {
    if (!start_section(option, GCC::opt_nd_name, level, new_page, option ? option->get_short_txt(0) : std::string()))
        return;
    add_node_info(option, full);
    add_node_ttt_refs_comments(option);
}

void ExportNodesPDF::add_argument(Argument* argument, int level, bool new_page) {
    if (!start_section(argument, GCC::arg_nd_name, level, new_page,
                       argument ? argument->get_short_txt(0) : std::string()))
        return;
    add_node_info(argument, true);
    add_row("Validates", MyStrF::_bool_to_string(argument->get_validates()));
    add_node_ttt_refs_comments(argument);
}

void ExportNodesPDF::add_evidence(Evidence* evidence, int level, bool new_page, bool full) {
    if (!start_section(evidence, GCC::evd_nd_name, level, new_page,
                       evidence ? evidence->get_short_txt(0, true) : std::string()))
        return;
    add_node_info(evidence, full);
    if (full) {
        add_verbcapparambase_info(evidence);
        add_row("Proof level", evidence->get_rlevel().get_min_level_txt_ptr());
    }
    add_node_ttt_refs_comments(evidence);
}

// ---- Parts of a section ----

void ExportNodesPDF::add_node_info(Node* node, bool full) {
    const std::string kind = node->get_nd_name();
    add_block("Text");
    {
        // The text stands in the value column, its first line beside "Text".
        const int saved_margin = margin_left;
        margin_left += value_column;
        add_paragraphs(node->get_txt(), -block.line_height);
        margin_left = saved_margin;
    }
    add_row("UID", node->get_uid());

    if (node->get_rlevel().is_valid()) {
        add_block("The " + kind + " is valid (Requirements met)");
        if (node->is_opt()) {
            const auto* option = static_cast<const Option*>(node);
            add_block(option->is_optimal() ? "The Option is optimal." : "The Option is not optimal.", 0);
            const std::vector<double>& sums = option->get_par_base_value_sum();
            for (size_t i = 0; i < sums.size() && i < Parameter::_possible_par_types.size(); ++i) {
                if (std::fabs(sums[i]) <= 1e-9) continue;
                const PossPar& type = Parameter::_possible_par_types[i];
                add_row(type.name, MyStrF::_double_to_string(sums[i], static_cast<unsigned>(i),
                                                             type.unit_symbols.empty() ? "" : type.unit_symbols.front()));
            }
        }
    } else {
        add_block("The " + kind + " is invalid (Requirements not met)");
    }

    const auto linked_rows = [&](const NodeList& nodes, const std::string& intro) {
        if (!full || nodes.empty()) return;
        add_block(intro);
        for (const Node* n : nodes) add_row(n->get_nd_name(), n->get_uid(), 0, n->get_uid());
    };
    linked_rows(node->get_parents(), "The parents of the " + kind + " are: ");
    linked_rows(node->get_children(), "The children of the " + kind + " are: ");

    const size_t level = std::min<size_t>(node->get_rlevel().get_min_level(false), GCC::evidence_type.size() - 1);
    add_row("Proof level", GCC::evidence_type[level]);
    if (full) add_row("Subject", node->get_subject());
}

void ExportNodesPDF::add_node_ttt_refs_comments(Node* node) {
    const std::string kind = node->get_nd_name();
    if (node->get_tooltip_txt() != GCC::default_ttt)
        add_block("The text that appears when the mouse hovers over the " + kind + " is: " + node->get_tooltip_txt());

    if (node->get_comments_size() > 0) {
        add_block("The following comments are added to the " + kind + ":");
        for (size_t i = 0; i < node->get_comments_size(); ++i) {
            add_block("author: " + node->get_authors()[i]);
            add_block(node->get_comments()[i], 0);
        }
    }

    if (node->get_ref_ids().empty() || !GCC::RP) return;
    add_block("The following references are added to the " + kind + ":");
    for (uint64_t id : node->get_ref_ids()) {
        const Reference* reference = static_cast<const Project*>(GCC::RP)->get_reference(id);
        if (!reference) continue;
        if (!reference->name().empty()) add_row("name:", reference->name());
        if (!reference->description().empty()) add_row("description:", reference->description(), 0);
        if (!reference->link().empty()) add_row("link:", reference->link(), 0, {}, reference->link());
        std::string type = reference->type();
        if (type.empty() || type == "Unknown") type = Reference::guess_type(reference->link());
        if (!type.empty()) add_row("type:", type, 0);
    }
}

void ExportNodesPDF::add_verbcapbase_info(const VerbCapBase* node) {
    add_row("Verb", node->get_verb_cap()->get_verb());
    add_row("Capability", node->get_verb_cap()->get_capability());
}

void ExportNodesPDF::add_verbcapparambase_info(const VerbCapParamBase* node) {
    add_verbcapbase_info(node);
    const Parameter& par = node->get_par();
    add_row("Type", par.get_type());
    if (node->is_functional()) return;
    add_row("Symbol", par.get_target_symbol());
    add_row("Target Type", par.get_target_txt());
    add_row("Value", MyStrF::_double_to_string(par.get_value()));
    add_row("Unit", par.get_unit_symbol());
}

void ExportNodesPDF::add_row(const std::string& label, const std::string& value, int extra_space,
                             const std::string& link, const std::string& uri) {
    add_columns_below({label, value}, {0, value_column}, extra_space, {},
                      link.empty() ? std::vector<std::string>{} : std::vector<std::string>{{}, link},
                      uri.empty() ? std::vector<std::string>{} : std::vector<std::string>{{}, uri});
}

// ---- Reference rows ----

void ExportNodesPDF::add_node_ref(const Node* node) {
    add_row(node->get_nd_name(), node->get_uid(), 10, node->get_uid());
    add_paragraphs(node->get_txt(), 0);
}

void ExportNodesPDF::add_no_obj_in_prj(const std::string& kind_name) {
    add_block("No " + kind_name + " objects defined in this project.");
}

void ExportNodesPDF::add_no_obj_here(const std::string& kind_name) {
    add_block("No " + kind_name + " objects defined here.");
}

// ---- One export ----

std::string ExportNodesPDF::prepare_export(const std::string& directory, const std::string& name) {
    if (!GCC::RP) return "No root_project in export_pdf.";
    if (!directory.empty()) GCC::RP->set_export_directory(directory);
    set_filename(name);
    return GCC::RP->check_export_directory();
}

std::string ExportNodesPDF::finish_export() {
    add_intro_pages(GCC::RP->get_name(), {}, {});
    return write_pdf_file(GCC::RP->get_export_directory() + "/" + get_filename());
}

}  // namespace pdf
