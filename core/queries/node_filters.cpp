#include "core/queries/node_filters.h"

#include "core/model/argument.h"
#include "core/model/design_problem.h"
#include "core/model/evidence.h"
#include "core/model/mandate.h"
#include "core/model/option.h"
#include "core/model/requirement.h"
#include "core/model/user_story.h"
#include "core/platform/platform.h"

namespace MyFF {
namespace {

using KindTest = bool (Node::*)() const;

template <class T>
std::vector<T*> of_kind(const NodeList& nodes, KindTest test) {
    std::vector<T*> kept;
    for (Node* n : nodes)
        if ((n->*test)()) kept.push_back(static_cast<T*>(n));
    return kept;
}

template <class T>
std::vector<T*> of_kind(const UidRegistry& registry, KindTest test) {
    std::vector<T*> kept;
    for (const auto& [uid, n] : registry)
        if (n && (n->*test)()) kept.push_back(static_cast<T*>(n));
    return kept;
}

NodeList nodes_of_kind(const NodeList& nodes, KindTest test) { return of_kind<Node>(nodes, test); }

template <class T>
T* single_of_kind(const NodeList& nodes, KindTest test) {
    // The list of matches is made only for the error about a second one.
    Node* single = nullptr;
    for (Node* n : nodes) {
        if (!(n->*test)()) continue;
        if (single) return static_cast<T*>(check_single_obj(nodes_of_kind(nodes, test)));
        single = n;
    }
    return static_cast<T*>(single);
}

}  // namespace

std::vector<UserStory*> filter_user_stories(const NodeList& n) { return of_kind<UserStory>(n, &Node::is_usy); }
std::vector<Requirement*> filter_requirements(const NodeList& n) { return of_kind<Requirement>(n, &Node::is_req); }
std::vector<DesignProblem*> filter_design_problems(const NodeList& n) { return of_kind<DesignProblem>(n, &Node::is_dpr); }
std::vector<Option*> filter_options(const NodeList& n) { return of_kind<Option>(n, &Node::is_opt); }
std::vector<Argument*> filter_arguments(const NodeList& n) { return of_kind<Argument>(n, &Node::is_arg); }
std::vector<Evidence*> filter_evidences(const NodeList& n) { return of_kind<Evidence>(n, &Node::is_evd); }

std::vector<Mandate*> filter_mandates(const UidRegistry& r) { return of_kind<Mandate>(r, &Node::is_man); }
std::vector<Requirement*> filter_requirements(const UidRegistry& r) { return of_kind<Requirement>(r, &Node::is_req); }
std::vector<DesignProblem*> filter_design_problems(const UidRegistry& r) { return of_kind<DesignProblem>(r, &Node::is_dpr); }
std::vector<Option*> filter_options(const UidRegistry& r) { return of_kind<Option>(r, &Node::is_opt); }
std::vector<Argument*> filter_arguments(const UidRegistry& r) { return of_kind<Argument>(r, &Node::is_arg); }
std::vector<Evidence*> filter_evidences(const UidRegistry& r) { return of_kind<Evidence>(r, &Node::is_evd); }

NodeList filter_usy_nodes(const NodeList& n) { return nodes_of_kind(n, &Node::is_usy); }
NodeList filter_man_nodes(const NodeList& n) { return nodes_of_kind(n, &Node::is_man); }
NodeList filter_req_nodes(const NodeList& n) { return nodes_of_kind(n, &Node::is_req); }
NodeList filter_dpr_nodes(const NodeList& n) { return nodes_of_kind(n, &Node::is_dpr); }
NodeList filter_opt_nodes(const NodeList& n) { return nodes_of_kind(n, &Node::is_opt); }
NodeList filter_arg_nodes(const NodeList& n) { return nodes_of_kind(n, &Node::is_arg); }
NodeList filter_evd_nodes(const NodeList& n) { return nodes_of_kind(n, &Node::is_evd); }

UserStory* filter_user_story(const NodeList& n) { return single_of_kind<UserStory>(n, &Node::is_usy); }
Mandate* filter_mandate(const NodeList& n) { return single_of_kind<Mandate>(n, &Node::is_man); }
Requirement* filter_requirement(const NodeList& n) { return single_of_kind<Requirement>(n, &Node::is_req); }
DesignProblem* filter_design_problem(const NodeList& n) { return single_of_kind<DesignProblem>(n, &Node::is_dpr); }
Option* filter_option(const NodeList& n) { return single_of_kind<Option>(n, &Node::is_opt); }

Node* check_single_obj(const NodeList& nodes) {
    if (nodes.empty()) return nullptr;
    if (nodes.size() == 1) return nodes.front();
    platform::show_error(std::to_string(nodes.size()) + " instances of type " + nodes.front()->get_nd_type() +
                         " exist in MyFF::get_single(nd_lst).\nPlease find out why there is more than one instance.");
    return nullptr;
}

NodeList filter_nodes(const NodeList& nodes) {
    NodeList kept;
    for (Node* n : nodes)
        if (n->take_into_account()) kept.push_back(n);
    return kept;
}

bool is_uid_in_lst(const std::vector<Requirement*>& requirements, const std::string& uid) {
    for (const Requirement* r : requirements)
        if (r->get_uid() == uid) return true;
    return false;
}

}  // namespace MyFF
