#include <unordered_set>

#include "core/model/argument.h"
#include "core/model/evidence.h"
#include "core/model/option.h"
#include "core/model/requirement.h"
#include "core/queries/node_lists.h"

std::vector<std::vector<VerbCapParamBase*>> Option::get_allocated_requirement_lsts(Requirement* requirement) {
    std::vector<std::vector<VerbCapParamBase*>> per_leaf;
    if (!requirement) return per_leaf;
    const uint32_t type = requirement->get_par().get_type_int();
    for (Option* leaf : get_top_option()->get_leaf_options()) {
        std::vector<VerbCapParamBase*> items;
        for (const Argument* a : leaf->get_child_arguments()) {
            const Requirement* about = a->get_parent_requirement();
            if (!about || about->get_uid() != requirement->get_uid()) continue;
            for (Requirement* r : a->get_child_requirements())
                if (r->get_par().get_type_int() == type) items.push_back(r);
            for (Evidence* e : a->get_child_evidences())
                if (e->get_par().get_type_int() == type) items.push_back(e);
        }
        per_leaf.push_back(std::move(items));
    }
    return per_leaf;
}

Argument* Option::find_child_argument(Requirement* requirement) const {
    if (!requirement || !get_sub_options(false).empty()) return nullptr;
    std::unordered_set<std::string> about;
    for (const Argument* a : requirement->get_child_arguments()) about.insert(a->get_uid());
    for (Argument* a : get_child_arguments())
        if (about.count(a->get_uid())) return a;
    return nullptr;
}

namespace {
std::string count_line(size_t n, const std::string& one, const std::string& many) {
    if (n == 0) return {};
    return n == 1 ? "1" + one : std::to_string(n) + many;
}
}  // namespace

std::string Option::edit_allocation(Requirement* requirement, const std::vector<std::vector<VerbCapParamBase*>>& c_reqs_in,
                                    const std::vector<std::vector<double>>& c_vals_in,
                                    const std::vector<std::vector<double>>& n_vals_in) {
    const std::vector<Option*> leaves = get_top_option()->get_leaf_options();
    const size_t n = leaves.size();
    std::string wrong_sizes;
    if (c_reqs_in.size() != n) wrong_sizes += "<c_reqs_in>";
    if (c_vals_in.size() != n) wrong_sizes += "<c_vals_in>";
    if (n_vals_in.size() != n) wrong_sizes += "<n_vals_in>";
    if (!wrong_sizes.empty())
        return "edit_allocation: Requirement allocation failed, because the\n" + wrong_sizes +
               " input size does not match the number of sub-options.";
    for (size_t i = 0; i < n; ++i)
        if (c_reqs_in[i].size() != c_vals_in[i].size())
            return "edit_allocation: Requirement allocation failed, because the\nc_reqs_in and c_vals_in input size "
                   "does not match.";
    if (!requirement) return "edit_allocation: Requirement allocation failed, because no requirement was given.";

    const Parameter& par = requirement->get_par();
    const uint32_t type = par.get_type_int();
    const uint16_t target = par.get_target_int();
    const uint16_t unit = par.get_unit_int();
    size_t used_arguments = 0, new_arguments = 0, modified_values = 0, new_requirements = 0;
    NodeList changed{this};
    for (size_t i = 0; i < n; ++i) {
        Option* leaf = leaves[i];
        changed.push_back(leaf);
        for (size_t j = 0; j < c_reqs_in[i].size(); ++j) {
            VerbCapParamBase* item = c_reqs_in[i][j];
            if (!item) continue;
            Parameter& item_par = item->get_par();
            const uint16_t old_unit = item_par.get_unit_int();
            const double old_base = item_par.get_base_value();
            item_par.set_unit(unit);
            item_par.set_value(c_vals_in[i][j], true);
            if (item_par.get_unit_int() == old_unit && item_par.get_base_value() == old_base) continue;
            ++modified_values;
            changed.push_back(item);
        }
        if (n_vals_in[i].empty()) continue;
        Argument* argument = leaf->find_child_argument(requirement);
        if (argument) {
            ++used_arguments;
        } else {
            argument = new Argument(leaf, requirement, true);
            // The requirement gains the argument as a child: its state changes too.
            changed.push_back(requirement);
            ++new_arguments;
        }
        changed.push_back(argument);
        const auto& vc = *requirement->get_verb_cap();
        for (double value : n_vals_in[i]) {
            changed.push_back(new Requirement(argument, vc.get_verb(), vc.get_capability(), type, value, unit, target, 100));
            ++new_requirements;
        }
    }
    // Nothing changed: no undo state, and no claim of success.
    if (used_arguments + new_arguments + modified_values + new_requirements == 0)
        return "Edit Requirement allocation result:\nNothing has been changed.";
    make_uids_state(changed);
    return "Edit Requirement allocation result:\n" +
           count_line(used_arguments, " existing Argument has been used.\n", " existing Arguments have been used.\n") +
           count_line(new_arguments, " new Argument has been defined.\n", " new Arguments have been defined.\n") +
           count_line(modified_values, " Requirement Parameter value has been modified.\n",
                      " Requirement Parameter values have been modified.\n") +
           count_line(new_requirements, " new Requirement has been defined.\n",
                      " new Requirements have been defined.\n") +
           "All Parameters have been set according to the given values.";
}
