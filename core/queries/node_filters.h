#pragma once

#include <string>
#include <unordered_set>
#include <vector>

#include "core/model/file_node.h"
#include "core/model/node.h"

class Argument;
class DesignProblem;
class Evidence;
class Mandate;
class Option;
class PossPar;
class Requirement;
class UserStory;

// Picking nodes out of lists and out of the uid registry. Kinds are told apart
// by the kind tests only.
namespace MyFF {

// List to concrete kind, in list order.
std::vector<UserStory*> filter_user_stories(const NodeList& nodes);
std::vector<Requirement*> filter_requirements(const NodeList& nodes);
std::vector<DesignProblem*> filter_design_problems(const NodeList& nodes);
std::vector<Option*> filter_options(const NodeList& nodes);
std::vector<Argument*> filter_arguments(const NodeList& nodes);
std::vector<Evidence*> filter_evidences(const NodeList& nodes);

// Registry to concrete kind, in registry order.
std::vector<Mandate*> filter_mandates(const UidRegistry& registry);
std::vector<Requirement*> filter_requirements(const UidRegistry& registry);
std::vector<DesignProblem*> filter_design_problems(const UidRegistry& registry);
std::vector<Option*> filter_options(const UidRegistry& registry);
std::vector<Argument*> filter_arguments(const UidRegistry& registry);
std::vector<Evidence*> filter_evidences(const UidRegistry& registry);

// List to node list, in list order.
NodeList filter_usy_nodes(const NodeList& nodes);
NodeList filter_man_nodes(const NodeList& nodes);
NodeList filter_req_nodes(const NodeList& nodes);
NodeList filter_dpr_nodes(const NodeList& nodes);
NodeList filter_opt_nodes(const NodeList& nodes);
NodeList filter_arg_nodes(const NodeList& nodes);
NodeList filter_evd_nodes(const NodeList& nodes);

// The single node of that kind; null for none, and an error box and null for
// more than one.
UserStory* filter_user_story(const NodeList& nodes);
Mandate* filter_mandate(const NodeList& nodes);
Requirement* filter_requirement(const NodeList& nodes);
DesignProblem* filter_design_problem(const NodeList& nodes);
Option* filter_option(const NodeList& nodes);
Node* check_single_obj(const NodeList& nodes);

// The nodes that pass the current project's display filter.
NodeList filter_nodes(const NodeList& nodes);
bool is_uid_in_lst(const std::vector<Requirement*>& requirements, const std::string& uid);

}  // namespace MyFF
