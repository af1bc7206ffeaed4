#include "core/queries/node_lists.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "core/model/design_problem.h"
#include "core/model/evidence.h"
#include "core/model/option.h"
#include "core/model/requirement.h"
#include "core/quantity/poss_par.h"

namespace MyFF {
namespace {

// Lists up to this long are checked against the kept items one by one, which
// is cheaper than hashing every uid; the lists of the model's queries (the
// children of one object, the top-level requirements) are mostly this short.
constexpr size_t short_list = 16;

template <class T>
std::vector<T*> first_of_each_uid(const std::vector<T*>& items) {
    std::vector<T*> kept;
    kept.reserve(items.size());
    if (items.size() <= short_list) {
        for (T* item : items) {
            if (!item) continue;
            const bool seen = std::any_of(kept.begin(), kept.end(), [&](const T* k) {
                return k == item || k->get_uid() == item->get_uid();
            });
            if (!seen) kept.push_back(item);
        }
        return kept;
    }
    // The uids are looked at, not copied: they outlive the walk.
    std::unordered_set<std::string_view> seen;
    for (T* item : items)
        if (item && seen.insert(item->get_uid()).second) kept.push_back(item);
    return kept;
}

}  // namespace

NodeList remove_duplicate_uids(const NodeList& nodes) { return first_of_each_uid(nodes); }

NodeList remove_duplicate_uids(const NodeList& nodes, std::unordered_set<std::string>& seen) {
    NodeList kept;
    for (Node* n : nodes)
        if (n && seen.insert(n->get_uid()).second) kept.push_back(n);
    return kept;
}

std::vector<Requirement*> remove_duplicate_reqs(const std::vector<Requirement*>& n) { return first_of_each_uid(n); }
std::vector<Evidence*> remove_duplicate_evd(const std::vector<Evidence*>& n) { return first_of_each_uid(n); }
std::vector<DesignProblem*> remove_duplicate_dprs(const std::vector<DesignProblem*>& n) { return first_of_each_uid(n); }
std::vector<Option*> remove_duplicate_options(const std::vector<Option*>& n) { return first_of_each_uid(n); }

std::vector<PossPar*> remove_duplicate_posspars(const std::vector<PossPar*>& pars) {
    std::unordered_set<std::string> seen;
    std::vector<PossPar*> kept;
    for (PossPar* p : pars)
        if (p && seen.insert(p->name_lc).second) kept.push_back(p);
    return kept;
}

NodeList sort_with_uid(const NodeList& nodes) {
    NodeList sorted = nodes;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const Node* a, const Node* b) { return a->get_uid() < b->get_uid(); });
    return sorted;
}

bool areVectorsEqual(const std::vector<double>& a, const std::vector<double>& b, double tolerance) {
    if (a.size() != b.size()) return false;
    // Entry by entry, relative to that entry: a small total changing next to a
    // large one is still a change.
    for (size_t i = 0; i < a.size(); ++i)
        if (std::abs(a[i] - b[i]) > tolerance * std::max(std::abs(a[i]), std::abs(b[i]))) return false;
    return true;
}

NodeList find_nodes_in_map(const NodeList& nodes, const UidRegistry& registry) {
    NodeList found;
    for (const Node* n : nodes)
        if (n)
            if (Node* const* match = registry.find(n->get_uid())) found.push_back(*match);
    return found;
}

void add_parents_and_children(Node* target, Node* source, const UidRegistry& registry) {
    if (!target || !source) return;
    for (Node* p : find_nodes_in_map(source->get_parents(), registry)) target->add_parent(p, true);
    for (Node* c : find_nodes_in_map(source->get_children(), registry)) target->add_child(c, true);
}

}  // namespace MyFF
