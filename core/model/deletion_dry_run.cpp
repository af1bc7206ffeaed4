#include "core/model/deletion_dry_run.h"

#include <algorithm>
#include <cstddef>
#include <unordered_map>
#include <unordered_set>

#include "core/constants/gcc.h"
#include "core/model/argument.h"
#include "core/model/option.h"
#include "core/model/project.h"

namespace {

enum class Kind { Plain, Project, UserStory, Mandate, Requirement, DesignProblem, Option, Argument, Evidence };

// A destroyed object first runs its kind's destructor, during which it still
// answers as its kind; then it answers as a plain node while it unlinks
// itself; then it has left the registry.
enum class Phase { Live, KindDestructor, Unlinking, Gone };

Kind kind_of(const Node& n) {
    if (n.is_prj()) return Kind::Project;
    if (n.is_usy()) return Kind::UserStory;
    if (n.is_man()) return Kind::Mandate;
    if (n.is_req()) return Kind::Requirement;
    if (n.is_dpr()) return Kind::DesignProblem;
    if (n.is_opt()) return Kind::Option;
    if (n.is_arg()) return Kind::Argument;
    if (n.is_evd()) return Kind::Evidence;
    return Kind::Plain;
}

using Ids = std::vector<int>;

bool holds(const Ids& ids, int id) { return std::find(ids.begin(), ids.end(), id) != ids.end(); }

void erase(Ids& ids, int id) { ids.erase(std::remove(ids.begin(), ids.end(), id), ids.end()); }

Ids first_of_each(const Ids& ids) {
    std::unordered_set<int> seen;
    Ids kept;
    for (int id : ids)
        if (seen.insert(id).second) kept.push_back(id);
    return kept;
}

// The graph's links copied into lists of indexes, on which the deletion runs
// as the model's destructors and link operations run it on the objects.
class Shadow {
public:
    Shadow(Node& root, DeletionDryRun& result) : out(result) {
        if (GCC::RP) project = index_of(GCC::RP);
        const int start = index_of(&root);
        for (size_t i = 0; i < objects.size(); ++i) load_links(static_cast<int>(i));
        root_id = start;
        destroy(start, 0);
        for (int a : moved)
            if (objects[static_cast<size_t>(a)].phase == Phase::Live)
                out.moved.push_back(static_cast<Argument*>(objects[static_cast<size_t>(a)].real));
    }

private:
    struct Object {
        Node* real = nullptr;
        Kind kind = Kind::Plain;
        Phase phase = Phase::Live;
        Ids parents;
        Ids children;
        int depth = 0;
        bool siblings_recorded = false;
        Ids recorded_siblings;
    };

    int index_of(Node* n) {
        const auto [found, added] = ids.try_emplace(n, static_cast<int>(objects.size()));
        if (added) {
            Object object;
            object.real = n;
            object.kind = kind_of(*n);
            objects.push_back(std::move(object));
        }
        return found->second;
    }

    // Every object reachable by links gets an entry; the list grows while it is walked.
    void load_links(int id) {
        Node* real = objects[static_cast<size_t>(id)].real;
        Ids parents, children;
        for (Node* p : real->get_parents()) parents.push_back(index_of(p));
        for (Node* c : real->get_children()) children.push_back(index_of(c));
        objects[static_cast<size_t>(id)].parents = std::move(parents);
        objects[static_cast<size_t>(id)].children = std::move(children);
    }

    Object& at(int id) { return objects[static_cast<size_t>(id)]; }

    bool answers(int id, Kind kind) const {
        const Object& o = objects[static_cast<size_t>(id)];
        return o.kind == kind && (o.phase == Phase::Live || o.phase == Phase::KindDestructor);
    }
    bool registered(int id) const { return objects[static_cast<size_t>(id)].phase != Phase::Gone; }

    Ids of_kind(const Ids& list, Kind kind) const {
        Ids kept;
        for (int id : list)
            if (answers(id, kind)) kept.push_back(id);
        return kept;
    }
    // The one object of the kind, or none when there are none or several.
    int single(const Ids& list, Kind kind) const {
        const Ids kept = of_kind(list, kind);
        return kept.size() == 1 ? kept.front() : -1;
    }

    // ---- Links ----
    // A design problem that loses a requirement also drops the arguments its
    // options hold about it; in a deletion that never applies, since the
    // requirement has stopped answering as one by the time it unlinks.

    void add_parent(int c, int p) {
        if (holds(at(c).parents, p)) return;
        at(c).parents.push_back(p);
        if (!holds(at(p).children, c)) at(p).children.push_back(c);
    }
    void remove_child(int p, int c) { erase(at(p).children, c); }
    void remove_parent(int c, int p, bool both) {
        const size_t before = at(c).parents.size();
        erase(at(c).parents, p);
        const bool removed = at(c).parents.size() != before;
        if (both) remove_child(p, c);
        if (removed && at(c).parents.empty() && at(c).kind != Kind::Project) destroy(c, at(p).depth + 1);
    }

    // ---- Deletion ----

    void destroy(int id, int depth) {
        if (at(id).phase != Phase::Live) return;
        at(id).phase = Phase::KindDestructor;
        at(id).depth = depth;
        if (id != root_id) out.removed.push_back({at(id).real, depth});
        switch (at(id).kind) {
            case Kind::UserStory:
                for (int r : of_kind(at(id).children, Kind::Requirement))
                    if (holds(at(id).children, r)) destroy(r, depth + 1);
                break;
            case Kind::Requirement:
                for (int dp : of_kind(at(id).children, Kind::DesignProblem))
                    if (at(dp).parents.size() == 1) remember_siblings(dp);
                for (int a : of_kind(at(id).children, Kind::Argument))
                    if (holds(at(id).children, a)) destroy(a, depth + 1);
                break;
            case Kind::Option: option_destructor(id); break;
            case Kind::DesignProblem: design_problem_destructor(id); break;
            default: break;
        }
        at(id).phase = Phase::Unlinking;
        for (int p : Ids(at(id).parents))
            if (holds(at(id).parents, p)) remove_child(p, id);
        for (int c : Ids(at(id).children))
            if (holds(at(id).children, c)) remove_parent(c, id, false);
        at(id).phase = Phase::Gone;
    }

    void option_destructor(int id) {
        const int parent_option = at(id).parents.size() == 1 ? single(at(id).parents, Kind::Option) : -1;
        const bool only_sub_option = parent_option >= 0 && of_kind(at(parent_option).children, Kind::Option).size() == 1;
        for (int a : of_kind(at(id).children, Kind::Argument)) {
            if (!holds(at(id).children, a)) continue;
            if (only_sub_option) {
                add_parent(a, parent_option);
                remove_parent(a, id, true);
                moved.push_back(a);
                out.moved_to = static_cast<Option*>(at(parent_option).real);
            } else {
                destroy(a, at(id).depth + 1);
            }
        }
    }

    // With only one other problem left on the level, neither problem's
    // options need integration requirements any more.
    void design_problem_destructor(int id) {
        Ids siblings;
        if (at(id).siblings_recorded) {
            for (int s : at(id).recorded_siblings)
                if (registered(s) && answers(s, Kind::DesignProblem)) siblings.push_back(s);
        } else {
            siblings = siblings_of(id);
        }
        if (siblings.size() != 2) return;
        for (int dp : siblings) {
            if (project < 0 || !registered(dp)) continue;
            for (int o : of_kind(at(dp).children, Kind::Option)) {
                const int r = single(at(o).children, Kind::Requirement);
                if (r >= 0 && holds(at(o).children, r)) destroy(r, at(id).depth + 1);
            }
        }
    }

    void remember_siblings(int dp) {
        at(dp).recorded_siblings = siblings_of(dp);
        at(dp).siblings_recorded = true;
    }

    // ---- Queries, as the model answers them ----

    bool is_top_level(int r) {
        return single(at(r).parents, Kind::Mandate) >= 0 || single(at(r).parents, Kind::UserStory) >= 0;
    }

    Ids top_level_requirements() {
        const Ids stories = of_kind(at(project).children, Kind::UserStory);
        const int mandate = stories.empty() ? -1 : single(at(stories.front()).children, Kind::Mandate);
        Ids requirements;
        if (mandate >= 0) {
            requirements = of_kind(at(mandate).children, Kind::Requirement);
        } else {
            for (int s : stories)
                for (int r : of_kind(at(s).children, Kind::Requirement)) requirements.push_back(r);
        }
        return first_of_each(requirements);
    }

    Ids top_design_problems() {
        Ids problems;
        for (int r : top_level_requirements())
            for (int dp : of_kind(at(r).children, Kind::DesignProblem)) problems.push_back(dp);
        return first_of_each(problems);
    }

    // The option and its parent options up to the top option.
    Ids with_parent_options(int o) {
        Ids chain{o};
        for (int up = single(at(o).parents, Kind::Option); up >= 0; up = single(at(up).parents, Kind::Option))
            chain.push_back(up);
        return chain;
    }

    // The problems on the same level of the design as dp, dp first.
    Ids siblings_of(int dp) {
        Ids siblings{dp};
        std::unordered_set<int> seen{dp};
        const Ids requirements = of_kind(at(dp).parents, Kind::Requirement);
        if (requirements.empty()) return siblings;
        if (is_top_level(requirements.front())) return project < 0 ? siblings : top_design_problems();
        const auto append_new = [&](const Ids& problems) {
            for (int p : problems)
                if (seen.insert(p).second) siblings.push_back(p);
        };
        Ids integrating;
        for (int r : requirements)
            if (const int o = single(at(r).parents, Kind::Option); o >= 0) integrating.push_back(o);
        if (!integrating.empty()) {
            for (int o : integrating)
                if (const int r = single(at(o).children, Kind::Requirement); r >= 0)
                    append_new(of_kind(at(r).children, Kind::DesignProblem));
            return siblings;
        }
        Ids options;
        for (int r : requirements)
            for (int a : of_kind(at(r).parents, Kind::Argument))
                for (int o : of_kind(at(a).parents, Kind::Option))
                    for (int up : with_parent_options(o)) options.push_back(up);
        for (int o : first_of_each(options))
            for (int a : of_kind(at(o).children, Kind::Argument))
                for (int derived : of_kind(at(a).children, Kind::Requirement))
                    append_new(of_kind(at(derived).children, Kind::DesignProblem));
        return siblings;
    }

    DeletionDryRun& out;
    std::vector<Object> objects;
    std::unordered_map<const Node*, int> ids;
    int project = -1;
    int root_id = -1;
    Ids moved;
};

}  // namespace

DeletionDryRun dry_run_deletion(Node& node) {
    DeletionDryRun result;
    Shadow run(node, result);
    return result;
}
