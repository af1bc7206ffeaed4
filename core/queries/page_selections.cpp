#include "core/queries/page_selections.h"

#include "core/constants/gcc.h"
#include "core/model/argument.h"
#include "core/model/design_problem.h"
#include "core/model/evidence.h"
#include "core/model/option.h"
#include "core/model/project.h"
#include "core/model/requirement.h"
#include "core/queries/node_filters.h"

namespace MyFF {

NodeList get_show_nodes(const NodeList& alternatives, std::unordered_set<std::string>& shown_uids, bool leaves) {
    if (alternatives.empty()) return {};
    NodeList picks;
    for (Node* n : alternatives)
        if (shown_uids.count(n->get_uid())) picks.push_back(n);
    const bool options = alternatives.front()->is_opt();
    auto pick = [&](Node* n) {
        picks.push_back(n);
        shown_uids.insert(n->get_uid());
    };
    if (options && picks.empty()) {
        for (Node* n : alternatives)
            if (n->is_opt() && static_cast<Option*>(n)->is_optimal()) {
                pick(n);
                break;
            }
        if (picks.empty())
            for (Node* n : alternatives)
                if (n->is_opt() && n->get_rlevel().is_valid()) {
                    pick(n);
                    break;
                }
    }
    if (picks.empty()) pick(alternatives.front());
    if (!leaves || !options) return picks;
    NodeList leaf_options;
    for (Node* n : picks)
        if (n->is_opt())
            for (Option* leaf : static_cast<Option*>(n)->get_leaf_options()) leaf_options.push_back(leaf);
    return leaf_options;
}

void fill_v_diagram_lists(const NodeList& options, NodeList& requirements, NodeList& evidence) {
    const bool with_integration = !GCC::RP || GCC::RP->get_settings().get_incl_int_req();
    std::vector<Argument*> arguments;
    for (Node* n : options) {
        const auto found = filter_arguments(n->get_children());
        arguments.insert(arguments.end(), found.begin(), found.end());
        if (with_integration)
            for (Node* r : filter_req_nodes(n->get_children())) requirements.push_back(r);
    }
    for (const Argument* a : arguments) {
        for (Node* r : filter_req_nodes(a->get_children())) requirements.push_back(r);
        for (Node* e : filter_evd_nodes(a->get_children())) evidence.push_back(e);
    }
}

Node* get_validation_tabpage_option(Node* selected) {
    auto first_option = []() -> Node* {
        if (!GCC::RP) return nullptr;
        for (const auto& [uid, n] : GCC::RP->get_nd_map())
            if (n->is_opt()) return n;
        return nullptr;
    };
    if (!selected) return first_option();
    if (selected->is_opt()) return selected;
    if (selected->is_req()) return static_cast<Requirement*>(selected)->get_parent_option(true);
    if (selected->is_evd()) {
        const auto arguments = static_cast<Evidence*>(selected)->get_parent_arguments();
        if (!arguments.empty())
            if (auto options = arguments.front()->get_parent_options(true); !options.empty()) return options.front();
    } else if (selected->is_arg()) {
        if (auto options = static_cast<Argument*>(selected)->get_parent_options(false); !options.empty())
            return options.front();
    } else if (selected->is_dpr()) {
        const auto requirements = static_cast<DesignProblem*>(selected)->get_parent_requirements();
        if (!requirements.empty()) return requirements.front()->get_parent_option(true);
    }
    return first_option();
}

}  // namespace MyFF
