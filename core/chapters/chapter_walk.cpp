#include "core/chapters/chapter_walk.h"

#include <cstddef>
#include <functional>
#include <unordered_set>
#include <variant>
#include <vector>

#include "core/constants/gcc.h"
#include "core/model/argument.h"
#include "core/model/design_problem.h"
#include "core/model/evidence.h"
#include "core/model/mandate.h"
#include "core/model/option.h"
#include "core/model/project.h"
#include "core/model/requirement.h"
#include "core/model/user_story.h"
#include "core/queries/node_filters.h"
#include "core/queries/node_lists.h"

namespace chapters {

std::string_view role_name(Role role) {
    switch (role) {
        case Role::project: return "project";
        case Role::user_story: return "user_story";
        case Role::mandate: return "mandate";
        case Role::top_req: return "top_req";
        case Role::requirement: return "requirement";
        case Role::integration_req: return "integration_req";
        case Role::design_problem: return "design_problem";
        case Role::option: return "option";
        case Role::argument: return "argument";
        case Role::evidence: return "evidence";
    }
    return "node";
}

namespace {

std::string key_of(std::string_view name, const Route& route, size_t max_route_size) {
    std::string key(name);
    if (!route.empty()) {
        key += Route::separator;
        key += route.text(max_route_size);
    }
    return key;
}

}  // namespace

std::string Heading::key(size_t max_route_size) const { return key_of(name, route, max_route_size); }

std::string Intro::key(size_t max_route_size) const { return key_of(name, route, max_route_size); }

namespace {

// The expandable branches of the walks; a branch is identified by its kind, its
// node and, for an option below a requirement of the V-diagram, that requirement.
enum class BranchKind {
    problem_layer,       // Design Problem Tree: a problem and the problems after it
    options_problem,     // Options Tree: a problem and its options
    options_option,      // Options Tree: an option, its sub-options or next problems
    validation,          // Validation Trees: one option's section
    argument_layer,      // Requirements Trees: the arguments below a requirement
    v_requirement,       // V-diagram: a requirement and the options that meet it
    v_option,            // V-diagram: an option for one requirement
    v_argument,          // V-diagram: an argument with what it assumes
};

struct Branch {
    BranchKind kind;
    const Node* node;
    const Node* context;  // v_option: the requirement
    Route route;          // the prefix the branch's own route grows from
    int level;

    struct Key {
        BranchKind kind;
        const Node* node;
        const Node* context;
        bool operator==(const Key&) const = default;
    };
    Key key() const { return {kind, node, context}; }
};

struct KeyHash {
    size_t operator()(const Branch::Key& k) const {
        const size_t a = std::hash<const void*>{}(k.node);
        const size_t b = std::hash<const void*>{}(k.context);
        return a ^ (b * 31u) ^ (static_cast<size_t>(k.kind) << 1);
    }
};

struct EndSection {};
struct EndGroup {};
struct NoObjects {
    std::string_view kind;
};
struct Written {
    const Node* node;
};
struct Leave {
    Branch::Key key;
};

using Task = std::variant<Heading, Intro, Ref, EndSection, EndGroup, NoObjects, Written, Branch, Leave>;

template <class T>
NodeList nodes_of(const std::vector<T*>& items) {
    return NodeList(items.begin(), items.end());
}

// The leaves of an option's sub-option tree, left to right; safe on cycles.
std::vector<const Option*> leaf_options(const Option* top) {
    std::vector<const Option*> leaves;
    std::unordered_set<const Node*> seen;
    std::vector<const Option*> todo{top};
    while (!todo.empty()) {
        const Option* o = todo.back();
        todo.pop_back();
        if (!seen.insert(o).second) continue;
        const auto subs = o->get_sub_options(false);
        if (subs.empty()) leaves.push_back(o);
        for (auto it = subs.rbegin(); it != subs.rend(); ++it) todo.push_back(*it);
    }
    return leaves;
}

// The design problem of the option's top option; safe on cycles of options.
const DesignProblem* problem_of(const Option* option) {
    std::unordered_set<const Node*> seen;
    const Option* top = option;
    while (seen.insert(top).second) {
        const auto up = MyFF::filter_options(top->get_parents());
        if (up.empty()) break;
        top = up.front();
    }
    const auto problems = MyFF::filter_design_problems(top->get_parents());
    return problems.empty() ? nullptr : problems.front();
}

// Whether the argument is about that requirement (its first requirement parent).
bool argues(const Argument* argument, const Requirement* requirement) {
    const auto parents = MyFF::filter_requirements(argument->get_parents());
    return !parents.empty() && parents.front()->get_uid() == requirement->get_uid();
}

class Walk {
public:
    Walk(const Project& project, Style style, ChapterVisitor& visitor)
        : project(project), style(style), visitor(visitor), budget(100000 + 16 * project.get_nd_map().size()) {}

    void run(Chapter chapter) {
        events = 0;
        written.clear();
        open.clear();
        switch (chapter) {
            case Chapter::project_tree: project_tree(); break;
            case Chapter::design_problem_tree: design_problem_tree(); break;
            case Chapter::options_tree: options_tree(); break;
            case Chapter::validation_trees: validation_trees(); break;
            case Chapter::requirements_trees: requirements_trees(); break;
            case Chapter::v_diagram: v_diagram(); break;
        }
        schedule();
        while (!stack.empty()) {
            Task task = std::move(stack.back());
            stack.pop_back();
            if (const auto* branch = std::get_if<Branch>(&task)) {
                expand(*branch);
                schedule();
            } else if (const auto* leave = std::get_if<Leave>(&task)) {
                open.erase(leave->key);
            } else {
                emit(task);
            }
        }
    }

private:
    // ---- Building blocks: each appends to `made`, in the order of the document ----

    void heading(int level, std::string_view name, Route route, std::string text, const Node* node, Role role,
                 bool new_page = false) {
        made.emplace_back(Heading{level, name, std::move(route), std::move(text), node, role, new_page});
    }
    void chapter_heading(std::string_view name, const std::string& text) {
        heading(1, name, {}, text, nullptr, Role::project, true);
    }
    void intro(std::string_view name, Route route, std::string text) {
        made.emplace_back(Intro{name, std::move(route), std::move(text)});
    }
    void ref(const Node* node, Route route, Role role, bool subject = false, bool opens_group = false) {
        made.emplace_back(Ref{node, std::move(route), role, subject, opens_group});
    }
    void refs(const NodeList& nodes, const Route& prefix, Role role) {
        for (const Node* n : nodes) ref(n, prefix.then(n->get_uid()), role);
    }
    // Rows of a list, or the report's line for an empty one.
    void refs_or_none(const NodeList& nodes, const Route& prefix, Role role, std::string_view kind_name) {
        refs(nodes, prefix, role);
        if (nodes.empty()) made.emplace_back(NoObjects{kind_name});
    }
    // An introduced list of the Project Tree (see Style).
    void listing(std::string_view name, const std::string& text, const NodeList& nodes, const Route& prefix, Role role,
                 std::string_view kind_name) {
        if (style == Style::report || !nodes.empty()) intro(name, {}, text);
        refs_or_none(nodes, prefix, role, kind_name);
    }
    void end_section() { made.emplace_back(EndSection{}); }
    void end_group() { made.emplace_back(EndGroup{}); }
    void branch(BranchKind kind, const Node* node, const Route& prefix, int level, const Node* context = nullptr) {
        made.emplace_back(Branch{kind, node, context, prefix, level});
    }

    // Whether the branch's content is written here; when not, says so. A branch
    // that is entered must be left (leave) after its content.
    bool enter(const Branch& p) {
        const Branch::Key key = p.key();
        if (open.count(key) || (written.count(key) && events >= budget)) {
            made.emplace_back(Written{p.node});
            return false;
        }
        written.insert(key);
        open.insert(key);
        return true;
    }
    void leave(const Branch& p) { made.emplace_back(Leave{p.key()}); }

    // ---- The chapters ----

    void project_tree() {
        const Route root("SH_CF10_PRJ_TREE");
        chapter_heading("DOC_CF10_HEADER", GCC::cf10_title);
        intro("DOC_CF10_INTRO", {}, GCC::cf10_intro_txt);
        ref(&project, root.then(project.get_uid()), Role::project);
        listing("DOC_CF10_USY_INTRO", GCC::cf10_usy_intro_txt, nodes_of(project.get_child_user_stories()), root,
                Role::user_story, GCC::usy_nd_name);
        const auto mandates = MyFF::filter_mandates(project.get_nd_map());
        listing("DOC_CF10_MAN_INTRO", GCC::cf10_man_intro_txt, nodes_of(mandates), root, Role::mandate,
                GCC::man_nd_name);
        std::vector<Requirement*> requirements;
        if (style == Style::report) {
            requirements = project.get_top_lvl_reqs();
        } else {
            for (const Mandate* m : mandates)
                for (Requirement* r : m->get_child_requirements()) requirements.push_back(r);
            requirements = MyFF::remove_duplicate_reqs(requirements);
        }
        listing("DOC_CF10_REQ_INTRO", GCC::cf10_req_intro_txt, nodes_of(requirements), root, Role::requirement,
                GCC::req_nd_name);
        end_section();
    }

    void design_problem_tree() {
        const Route root("SH_CF11_DPR_TREE");
        chapter_heading("DOC_CF11_HEADER", GCC::cf11_title);
        intro("DOC_CF11_INTRO", {}, GCC::cf11_intro_txt);
        ref(&project, root.then(project.get_uid()), Role::project);
        intro("DOC_CF11_REQ_INTRO", {}, GCC::cf11_req_intro_txt);
        refs_or_none(nodes_of(project.get_top_lvl_reqs()), root, Role::top_req, GCC::req_nd_name);
        for (const DesignProblem* d : project.get_top_designproblems()) branch(BranchKind::problem_layer, d, root, 2);
        end_section();
    }

    void problem_layer(const Branch& p) {
        const auto* d = static_cast<const DesignProblem*>(p.node);
        const Route path = p.route.then(d->get_uid());
        heading(p.level, "DOC_CF11_DPR_SECTION", path, GCC::dpr_nd_name, d, Role::design_problem);
        intro("DOC_CF11_DPR_INTRO", path, GCC::cf11_dp_layer_intro);
        ref(d, path, Role::design_problem, true);
        if (enter(p)) {
            intro("DOC_CF11_DPR_REQ_INTRO", path, GCC::cf11_dp_layer_req_intro);
            std::vector<Requirement*> requirements;
            std::vector<DesignProblem*> problems;
            for (const Option* o : d->get_child_options(false)) {
                if (Requirement* integration = o->get_integration_requirement()) requirements.push_back(integration);
                for (const Option* leaf : leaf_options(o)) {
                    for (Requirement* r : leaf->get_reqs_to_next_option()) requirements.push_back(r);
                    for (DesignProblem* next : leaf->get_dprs_to_next_option()) problems.push_back(next);
                }
            }
            refs_or_none(nodes_of(MyFF::remove_duplicate_reqs(requirements)), path, Role::requirement,
                         GCC::req_nd_name);
            for (const DesignProblem* next : MyFF::remove_duplicate_dprs(problems))
                branch(BranchKind::problem_layer, next, path, p.level + 1);
            leave(p);
        }
        end_section();
    }

    void options_tree() {
        const Route root("SH_CF12_OPT_TREE");
        chapter_heading("DOC_CF12_HEADER", GCC::cf12_title);
        intro("DOC_CF12_INTRO", {}, GCC::cf12_intro_txt);
        for (const DesignProblem* d : project.get_top_designproblems()) branch(BranchKind::options_problem, d, root, 2);
        end_section();
    }

    void options_problem(const Branch& p) {
        const auto* d = static_cast<const DesignProblem*>(p.node);
        const Route path = p.route.then(d->get_uid());
        heading(p.level, "DOC_CF12_DPR_SECTION", path, GCC::dpr_nd_name, d, Role::design_problem);
        intro("DOC_CF12_DPR_INTRO", path, GCC::cf_12_dpr_layer_dpr_intro);
        ref(d, path, Role::design_problem, true);
        if (enter(p)) {
            const auto options = d->get_child_options(false);
            if (!options.empty()) intro("DOC_CF12_OPT_INTRO", path, GCC::cf_12_dpr_layer_opt_intro);
            for (const Option* o : options) {
                heading(p.level + 1, "DOC_CF12_OPT_SECTION", path.then(o->get_uid()),
                        GCC::opt_title_prefix + o->get_subject(), o, Role::option);
                branch(BranchKind::options_option, o, path, p.level + 1);
                end_section();
            }
            leave(p);
        }
        end_section();
    }

    // Written into the section of the option's heading.
    void options_option(const Branch& p) {
        const auto* o = static_cast<const Option*>(p.node);
        const Route path = p.route.then(o->get_uid());
        ref(o, path, Role::option, true);
        if (!enter(p)) return;
        const auto subs = o->get_sub_options(false);
        if (subs.empty()) {
            for (const DesignProblem* next : o->get_dprs_to_next_option())
                branch(BranchKind::options_problem, next, path, p.level + 1);
        } else {
            intro("DOC_CF12_SUBOPT_INTRO", path, GCC::cf_12_opt_layer_intro);
            for (const Option* s : subs) {
                heading(p.level + 1, "DOC_CF12_SUBOPT_SECTION", path.then(s->get_uid()),
                        GCC::sub_opt_title_prefix + s->get_subject(), s, Role::option);
                branch(BranchKind::options_option, s, path, p.level + 1);
                end_section();
            }
        }
        leave(p);
    }

    void validation_trees() {
        const Route root("SH_CF13_VAL_TREE");
        chapter_heading("DOC_CF13_HEADER", GCC::cf13_title);
        intro("DOC_CF13_INTRO", {}, GCC::cf13_intro_txt);
        for (const Option* o : MyFF::filter_options(project.get_nd_map())) branch(BranchKind::validation, o, root, 2);
        end_section();
    }

    void validation(const Branch& p) {
        const auto* o = static_cast<const Option*>(p.node);
        const Route path = p.route.then(o->get_uid());
        heading(p.level, "DOC_CF13_OPT_SECTION", path, GCC::opt_title_prefix + o->get_subject(), o, Role::option, true);
        intro("DOC_CF13_OPT_INTRO", path, GCC::cf13_opt_val_intro);
        ref(o, path, Role::option, true);
        if (enter(p)) {
            const auto subs = o->get_sub_options(false);
            if (subs.empty()) {
                validation_of_leaf(o, path, p.level);
            } else {
                intro("DOC_CF13_SUBOPT_INTRO", path, GCC::cf13_opt_val_sub_opt_intro);
                for (const Option* s : subs) {
                    if (const Requirement* integration = s->get_integration_requirement()) {
                        const Route sub_path = path.then(s->get_uid());
                        intro("DOC_CF13_INTEGRATION_REQ_INTRO", sub_path,
                              GCC::cf13_opt_val_sub_opt_integration_reqs_intro);
                        ref(integration, sub_path.then(integration->get_uid()), Role::integration_req);
                    }
                    branch(BranchKind::validation, s, path, p.level + 1);
                }
            }
            leave(p);
        }
        end_section();
    }

    // The problem an option without sub-options solves, the requirements it
    // must meet and the option's arguments about them.
    void validation_of_leaf(const Option* o, const Route& path, int level) {
        intro("DOC_CF13_DPR_INTRO", path, GCC::cf13_opt_val_dpr_intro);
        const DesignProblem* d = problem_of(o);
        if (d) ref(d, path.then(d->get_uid()), Role::design_problem, false, true);
        intro("DOC_CF13_REQ_INTRO", path, GCC::cf13_opt_val_req_intro);
        if (!d) return;
        for (const Requirement* r : d->get_parent_requirements()) {
            const Route requirement_path = path.then(r->get_uid());
            ref(r, requirement_path, Role::requirement, false, true);
            for (const Argument* a : r->get_child_arguments())
                for (const Option* parent : a->get_parent_options(false))
                    if (parent->get_uid() == o->get_uid()) argument_content(a, requirement_path, level + 1, nullptr);
            end_group();
        }
        end_group();
    }

    // An argument with its evidence and requirements, in the section of the
    // option. With a branch (the V-diagram) the requirements are walked on.
    void argument_content(const Argument* a, const Route& prefix, int level, const Branch* recursing) {
        const Route path = prefix.then(a->get_uid());
        intro("DOC_ARG_INTRO", path, GCC::cf15_arg_intro);
        ref(a, path, Role::argument, false, true);
        if (!recursing || enter(*recursing)) {
            const auto evidence = a->get_child_evidences();
            if (!evidence.empty()) {
                intro("DOC_ARG_EVD_INTRO", path, GCC::cf15_arg_evd);
                refs(nodes_of(evidence), path, Role::evidence);
            }
            const auto requirements = a->get_child_requirements();
            if (!requirements.empty()) intro("DOC_ARG_REQ_INTRO", path, GCC::cf15_arg_req);
            for (const Requirement* q : requirements) {
                if (recursing)
                    branch(BranchKind::v_requirement, q, path, level + 1);
                else
                    ref(q, path.then(q->get_uid()), Role::requirement);
            }
            if (recursing) leave(*recursing);
        }
        end_group();
    }

    void requirements_trees() {
        const Route root("SH_CF14_REQ_TREE");
        chapter_heading("DOC_CF14_HEADER", GCC::cf14_title);
        intro("DOC_CF14_INTRO", {}, GCC::cf14_intro);
        for (const Requirement* r : project.get_top_lvl_reqs()) {
            const Route path = root.then(r->get_uid());
            heading(2, "DOC_CF14_REQ_SECTION", path, GCC::tlr_nd_name, r, Role::requirement);
            intro("DOC_CF14_REQ_INTRO", path, GCC::cf14_req_intro);
            ref(r, path, Role::requirement, true);
            branch(BranchKind::argument_layer, r, path, 3);
            end_section();
        }
        end_section();
    }

    // The branch's route is the requirement's own section route here.
    void argument_layer(const Branch& p) {
        const auto* r = static_cast<const Requirement*>(p.node);
        const Route& path = p.route;
        intro("DOC_CF14_ARG_INTRO", path, GCC::cf14_arg_intro);
        if (!enter(p)) return;
        for (const Argument* a : r->get_child_arguments()) {
            const Route argument_path = path.then(a->get_uid());
            const std::string subject = a->get_subject();
            heading(p.level, "DOC_CF14_ARG_SECTION", argument_path, GCC::arg_nd_name + " " + subject, a,
                    Role::argument);
            // "...if Option Pump is selected.": the second piece has no blank of its own.
            intro("DOC_CF14_ARG_OPT_INTRO", argument_path, GCC::cf14_arg_opt_1 + subject + " " + GCC::cf14_arg_opt_2);
            ref(a, argument_path, Role::argument, true);
            intro("DOC_CF14_ARG_REQ_INTRO", argument_path, GCC::cf14_arg_req);
            std::vector<Requirement*> requirements = a->get_child_requirements();
            for (const Option* o : a->get_parent_options(false))
                for (Requirement* q : MyFF::filter_requirements(o->get_children())) requirements.push_back(q);
            if (style == Style::interchange) requirements = MyFF::remove_duplicate_reqs(requirements);
            for (const Requirement* q : requirements) {
                const Route requirement_path = argument_path.then(q->get_uid());
                heading(p.level + 1, "DOC_CF14_REQ_SECTION", requirement_path, GCC::req_nd_name, q,
                        Role::requirement);
                intro("DOC_CF14_REQ_INTRO", requirement_path, GCC::cf14_arg_req_intro);
                ref(q, requirement_path, Role::requirement, true);
                branch(BranchKind::argument_layer, q, requirement_path, p.level + 1);
                end_section();
            }
            end_section();
        }
        leave(p);
    }

    void v_diagram() {
        const Route root("SH_CF15_VDG_TREE");
        chapter_heading("DOC_CF15_HEADER", GCC::cf15_title);
        intro("DOC_CF15_INTRO", {}, GCC::cf15_intro);
        ref(&project, root.then(project.get_uid()), Role::project);
        const auto mandates = MyFF::filter_mandates(project.get_nd_map());
        if (!mandates.empty()) {
            intro("DOC_CF15_MAN_INTRO", {}, GCC::cf15_man);
            refs(nodes_of(mandates), root, Role::mandate);
        }
        for (const UserStory* u : project.get_child_user_stories()) {
            const Route path = root.then(u->get_uid());
            heading(2, "DOC_CF15_USY_SECTION", path, GCC::usy_nd_name, u, Role::user_story);
            intro("DOC_CF15_USY_INTRO", path, GCC::cf15_usy_intro);
            ref(u, path, Role::user_story, true);
            // The requirements are at the level of the story's heading, as in the report.
            for (const Requirement* r : u->get_child_requirements()) branch(BranchKind::v_requirement, r, path, 2);
            end_section();
        }
        end_section();
    }

    void v_requirement(const Branch& p) {
        const auto* r = static_cast<const Requirement*>(p.node);
        const Route path = p.route.then(r->get_uid());
        heading(p.level, "DOC_CF15_REQ_SECTION", path, GCC::req_nd_name, r, Role::requirement);
        intro("DOC_CF15_REQ_INTRO", path, GCC::cf15_req_req);
        ref(r, path, Role::requirement, true);
        if (enter(p)) {
            intro("DOC_CF15_OPT_INTRO", path, GCC::cf15_req_opt);
            std::vector<Option*> options;
            for (const DesignProblem* d : r->get_child_designproblems())
                for (Option* o : d->get_child_options(false)) options.push_back(o);
            for (const Option* o : MyFF::remove_duplicate_options(options))
                branch(BranchKind::v_option, o, path, p.level + 1, r);
            leave(p);
        }
        end_section();
    }

    void v_option(const Branch& p) {
        const auto* o = static_cast<const Option*>(p.node);
        const auto* r = static_cast<const Requirement*>(p.context);
        const Route path = p.route.then(o->get_uid());
        heading(p.level, "DOC_CF15_OPT_SECTION", path, GCC::opt_title_prefix + o->get_subject(), o, Role::option);
        intro("DOC_CF15_OPT_SECTION_INTRO", path, GCC::cf15_opt_intro);
        ref(o, path, Role::option, true);
        if (enter(p)) {
            const auto subs = o->get_sub_options(false);
            if (subs.empty()) {
                for (const Argument* a : o->get_child_arguments())
                    if (argues(a, r)) branch(BranchKind::v_argument, a, path, p.level + 1);
            } else {
                intro("DOC_CF15_SUBOPT_INTRO", path, GCC::cf15_opt_sub_opt);
                for (const Option* s : subs) branch(BranchKind::v_option, s, path, p.level + 1, r);
            }
            leave(p);
        }
        end_section();
    }

    void expand(const Branch& p) {
        switch (p.kind) {
            case BranchKind::problem_layer: problem_layer(p); break;
            case BranchKind::options_problem: options_problem(p); break;
            case BranchKind::options_option: options_option(p); break;
            case BranchKind::validation: validation(p); break;
            case BranchKind::argument_layer: argument_layer(p); break;
            case BranchKind::v_requirement: v_requirement(p); break;
            case BranchKind::v_option: v_option(p); break;
            case BranchKind::v_argument:
                argument_content(static_cast<const Argument*>(p.node), p.route, p.level, &p);
                break;
        }
    }

    // What was made comes next, in its order, before anything already waiting.
    void schedule() {
        for (auto it = made.rbegin(); it != made.rend(); ++it) stack.push_back(std::move(*it));
        made.clear();
    }

    void emit(const Task& task) {
        ++events;
        if (const auto* h = std::get_if<Heading>(&task)) visitor.heading(*h);
        else if (const auto* i = std::get_if<Intro>(&task)) visitor.intro(*i);
        else if (const auto* r = std::get_if<Ref>(&task)) visitor.ref(*r);
        else if (std::holds_alternative<EndSection>(task)) visitor.end_section();
        else if (std::holds_alternative<EndGroup>(task)) visitor.end_group();
        else if (const auto* n = std::get_if<NoObjects>(&task)) visitor.no_objects(n->kind);
        else if (const auto* w = std::get_if<Written>(&task)) visitor.already_written(*w->node);
    }

    const Project& project;
    const Style style;
    ChapterVisitor& visitor;
    const size_t budget;
    size_t events = 0;
    std::vector<Task> made;
    std::vector<Task> stack;
    std::unordered_set<Branch::Key, KeyHash> written;
    std::unordered_set<Branch::Key, KeyHash> open;
};

}  // namespace

void walk_chapter(const Project& project, Chapter chapter, Style style, ChapterVisitor& visitor) {
    Walk(project, style, visitor).run(chapter);
}

void walk_chapters(const Project& project, Style style, ChapterVisitor& visitor) {
    Walk walk(project, style, visitor);
    for (Chapter chapter : all_chapters) walk.run(chapter);
}

}  // namespace chapters
