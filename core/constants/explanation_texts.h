#pragma once

#include <string>

// What each object kind means: a long text (explanation window, example
// project tooltips, report and ReqIF chapters) and a bullet text (explanation
// window only: the kind name first, then short statements).
namespace GCC {

namespace detail {
// The readiness scale as the long texts list it, one "level: text" line each.
inline const std::string readiness_level_lines =
    "0: No level set\n"
    "1: Basic principles observed\n"
    "2: Technology concept formulated\n"
    "3: Experimental proof of concept\n"
    "4: Technology validated in a lab\n"
    "5: Technology validated in relevant environment\n"
    "6: Technology demonstrated in relevant environment\n"
    "7: System prototype demonstration in operational environment\n"
    "8: System complete and qualified\n"
    "9: Actual system proven in operational environment\n";

// The shortened scale of the bullet texts, levels 1 to 9.
inline const std::string short_readiness_level_lines =
    "1: Basic principles observed\n"
    "2: Technology concept formulated\n"
    "3: Experimental proof of concept\n"
    "4: Validated in a lab\n"
    "5: Validated in relevant environment\n"
    "6: Demonstrated in relevant environment\n"
    "7: System proto in operational environment\n"
    "8: System complete and qualified\n"
    "9: System in operational environment";
}  // namespace detail

inline const std::string prj_txt =
    "A Project node is the top node.\n"
    "It defines the name and a description of the discovery project.";

inline const std::string prj_bullet_txt =
    "Project\n"
    "\n"
    "\n"
    "Top node\n"
    "\n"
    "Defines Project name\n"
    "\n"
    "Defines Project description";

inline const std::string usy_txt =
    "A User Story node is an informal description of what the discovery\n"
    "project should deliver. The User Story node is translated into a\n"
    "formal Requirement through a Mandate Node.";

inline const std::string usy_bullet_txt =
    "User Story\n"
    "\n"
    "\n"
    "Informal description what the project should deliver\n"
    "\n"
    "Will be translated into formal Requirements";

inline const std::string man_txt =
    "A Mandate node is the approval of the Project owner to execute the Project.\n"
    "\n"
    "A Mandate defines to which level the final project solution must be proven.\n"
    "The levels are derived from technology readiness levels:\n"
    "\n" +
    detail::readiness_level_lines +
    "\n"
    "The Evidence node provides a certain level of confidence\n"
    "that a solution is proven up to a certain level.";

inline const std::string man_bullet_txt =
    "Mandate\n"
    "\n"
    "\n"
    "Approval of Project owner\n"
    "\n"
    "Defines to which level of confidence to develop\n" +
    detail::short_readiness_level_lines;

inline const std::string req_txt =
    "A Requirement node defines a Requirement that can be:\n"
    "\n"
    "Functional: \tThe Requirement has no quantitative value.\n"
    "Goal: \t\tThe value must be as small or as large as possible.\n"
    "Range: \t\tThe value must be smaller or larger than a given value.\n"
    "Fixed Value:\tThe value must be equal to a certain value.\n"
    "\n"
    "Every kind except Functional holds a value with a unit.\n"
    "\n"
    "A Top level Requirement is derived from a UserStory node directly.\n"
    "Integration Requirements are added if multiple sub-options must be integrated into one.";

inline const std::string req_bullet_txt =
    "Requirement\n"
    "\n"
    "\n"
    "Functional: No quantitative value\n"
    "\n"
    "Goal: Value as small/large as possible\n"
    "\n"
    "Range: Value smaller/larger than a value.\n"
    "\n"
    "Fixed Value: Value equal to a value.\n"
    "\n"
    "Top Level Requirements are derived from User Stories\n"
    "\n"
    "See also Integration Requirements";

inline const std::string int_req_txt =
    "Complex problems can be broken up into\n"
    "several Design Problems. Each Design Problem\n"
    "solves a subset of the Requirements.\n"
    "\n"
    "Example: Requirements 1 and 2 are solved by\n"
    "Design Problem A (Requirement 1) and\n"
    "Design Problem B (Requirement 2).\n"
    "Option X solves Design Problem A and\n"
    "Option Y solves Design Problem B.\n"
    "\n"
    "Options X and Y must work together to meet\n"
    "both Requirements. An Integration Requirement\n"
    "is automatically\n"
    "added if more than one Design Problem exists\n"
    "in one branch as shown in the example,\n"
    "so that Options X and Y work in unison.\n"
    "\n"
    "Each Sub-Option also receives an Integration\n"
    "Requirement automatically: the Sub-Options\n"
    "of an Option must work in unison too.\n";

inline const std::string int_req_bullet_txt =
    "Integration Requirement\n"
    "\n"
    "Automatically added if Design Problems solve only a subset of Requirements. "
    "The Options that solve these Design Problems must be able to work in unison.\n"
    "\n"
    "Automatically added if Option has Sub-Options. The Sub-Options must work in unison.";

inline const std::string dpr_txt =
    "A Design Problem is the node that collects certain Requirements to\n"
    "properly define the challenge at hand.\n"
    "\n"
    "The Design Problem should collect all Requirements that need to be satisfied.\n"
    "Any Options proposed to solve the Design Problem should satisfy all linked Requirements.";

inline const std::string dpr_bullet_txt =
    "Design Problem\n"
    "\n"
    "\n"
    "Collects Requirements to define a challenge\n"
    "\n"
    "Will be solved by Options";

inline const std::string opt_txt =
    "An Option node describes a possible Solution for the Design Problem.\n"
    "Argument nodes are used to explain why.";

inline const std::string opt_bullet_txt =
    "Option\n"
    "\n"
    "\n"
    "Describes Solution for Design Problem\n"
    "\n"
    "Argument nodes will explain why";

inline const std::string arg_txt =
    "An Argument is the node that explains how an Option solves a certain Requirement.\n"
    "The Argument states the conditions under which the Requirement is valid.\n"
    "These conditions are defined as Requirements or as Evidence.\n"
    "\n"
    "A brainstorm about the Option brings up risks and scepticism. A risk can be\n"
    "expressed as a Requirement that it should not happen, a doubt as a\n"
    "Requirement that it should happen.\n"
    "\n"
    "If no direct Evidence is available, validation tests are required. Add\n"
    "Options for the test methods and Evidence that the methods are capable.\n"
    "\n"
    "The cost of the test can be added in the Evidence parameter value.";

inline const std::string arg_bullet_txt =
    "Argument\n"
    "\n"
    "How an Option solves a Requirement\n"
    "\n"
    "States conditions for Requirement to be valid\n"
    "\n"
    "These conditions are Requirements or Evidence\n"
    "\n"
    "Capture risk as Requirement that it should not happen\n"
    "\n"
    "Capture doubt as Requirement that it should happen\n"
    "\n"
    "Require test if no direct Evidence is available. "
    "Find test method Options and Evidence of method capability.";

inline const std::string evd_txt =
    "An Evidence node is the reference to Evidence that a certain\n"
    "Option can satisfy a certain Requirement.\n"
    "\n"
    "The Evidence proves the validity of the Option up to a level that is derived\n"
    "from technology readiness levels. The Mandate defines the level that must be\n"
    "reached by the solution. These levels are:\n"
    "\n" +
    detail::readiness_level_lines +
    "\n"
    "As the readiness levels suggest, the Evidence can have several\n"
    "sources: analysis, test up to proven in actual environment.";

inline const std::string evd_bullet_txt =
    "Evidence\n"
    "\n"
    "\n"
    "Proof that Option can satisfy a Requirement\n"
    "\n"
    "Proofs a certain level of confidence\n" +
    detail::short_readiness_level_lines;

}  // namespace GCC
