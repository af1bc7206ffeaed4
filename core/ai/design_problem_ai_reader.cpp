// Reads an AI answer with proposed solutions of a design problem: one new
// option per <solution> record, with its description as tooltip and an
// optional reference, all in one undo step.
#include <string>
#include <unordered_set>
#include <vector>

#include "core/ai/answer_records.h"
#include "core/ai/answer_report.h"
#include "core/constants/gcc.h"
#include "core/model/design_problem.h"
#include "core/model/option.h"
#include "core/model/project.h"
#include "core/text/tag_parser.h"
#include "core/text/text_utils.h"

namespace {

struct Solution {
    std::string subject;
    std::string description;
    std::string reference_name;
    std::string reference_descr;
    std::string reference_link;
};

std::vector<Solution> read_solutions(const std::string& answer) {
    std::vector<Solution> solutions;
    const auto records =
        MyStrF::_parse_text(answer, {GCC::prompt_solution, GCC::prompt_subject, GCC::prompt_description,
                                     GCC::prompt_reference_name, GCC::prompt_reference_descr,
                                     GCC::prompt_reference_link});
    for (const std::vector<std::string>& fields : records) {
        using MyAI::clean_field;
        Solution s{clean_field(fields[0]), clean_field(fields[1]), clean_field(fields[2]), clean_field(fields[3]),
                   clean_field(fields[4])};
        if (!s.subject.empty()) solutions.push_back(std::move(s));
    }
    return solutions;
}

std::unordered_set<std::string> registered_uids() {
    std::unordered_set<std::string> uids;
    if (GCC::RP)
        for (const auto& [uid, node] : GCC::RP->get_nd_map()) uids.insert(uid);
    return uids;
}

// Each object registered since, in creation order, after its parents (whose
// child lists it changed).
NodeList created_with_parents(const std::unordered_set<std::string>& before) {
    NodeList nodes;
    if (!GCC::RP) return nodes;
    for (const auto& [uid, node] : GCC::RP->get_nd_map()) {
        if (before.count(uid)) continue;
        nodes.insert(nodes.end(), node->get_parents().begin(), node->get_parents().end());
        nodes.push_back(node);
    }
    return nodes;
}

}  // namespace

std::vector<Option*> DesignProblem::add_child_options(const std::string& answer) {
    const std::vector<Solution> solutions = read_solutions(answer);
    if (solutions.empty()) {
        MyAI::AnswerReport().show_nothing_added("it holds no readable " + GCC::prompt_solution + " record with a " +
                                                GCC::prompt_subject + ".");
        return {};
    }
    // Adding an option may give the options of sibling problems their
    // integration requirements: everything new goes into the one undo step.
    const std::unordered_set<std::string> before = registered_uids();
    std::vector<Option*> options;
    for (const Solution& s : solutions) {
        Option* option = add_child_option(s.subject, false);
        const std::string tooltip = MyStrF::_WrapText(s.description, 60);
        if (!tooltip.empty()) option->set_tooltip_txt(tooltip);
        if (!s.reference_name.empty() || !s.reference_descr.empty() || !s.reference_link.empty())
            option->add_reference_to_node(s.reference_name, s.reference_descr, s.reference_link, "");
        options.push_back(option);
    }
    // The project holds the reference table.
    NodeList changed{this, GCC::RP};
    const NodeList created = created_with_parents(before);
    changed.insert(changed.end(), created.begin(), created.end());
    make_uids_state(changed);
    return options;
}
