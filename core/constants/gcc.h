#pragma once

#include <string>
#include <vector>

#include "core/constants/ai_prompt_texts.h"
#include "core/constants/explanation_texts.h"
#include "core/constants/report_texts.h"

class Project;

// Global text constants shared by the boxes, the tree, the reports and the
// exports, and the pointer to the current project.
namespace GCC {

// The current project; set by the Project constructor, cleared by its destructor.
inline Project* RP = nullptr;

// Kind names.
inline const std::string nde_nd_name = "Node";
inline const std::string fnd_nd_name = "FileNode";
inline const std::string mmx_nd_name = "Memento Mixin";
inline const std::string prj_nd_name = "Project";
inline const std::string usy_nd_name = "User Story";
inline const std::string man_nd_name = "Mandate";
inline const std::string req_nd_name = "Requirement";
inline const std::string tlr_nd_name = "Top Level Requirement";
inline const std::string dpr_nd_name = "Design Problem";
inline const std::string opt_nd_name = "Option";
inline const std::string sop_nd_name = "Sub Option";
inline const std::string arg_nd_name = "Argument";
inline const std::string evd_nd_name = "Evidence";
inline const std::string opt_title_prefix = opt_nd_name + " ";
inline const std::string sub_opt_title_prefix = sop_nd_name + " ";

// Tooltip pieces.
inline const std::string separator_ttt = std::string(32, '-') + "\n";
inline const std::string default_ttt = "";

// PDF navigation: link targets inside the reports are this prefix followed by
// a chapter title or a kind name.
inline const std::string PDF_HEADER_LINK_PREFIX = "to_header_";
inline const std::string tof_header = "Table of Contents";

// Names of the evidence types, indexed by the evidence's achieved readiness level.
inline const std::vector<std::string> evidence_type = {
    "Expectation",       "Observed Principle", "Concept Analysis", "Concept Simulation", "Lab Test",
    "Relevant Env Test", "Relevant Env Demo",  "Operational Demo", "Fully Qualified",    "Fully Operational"};

// Program information. The version is read once at start-up (app_version.cpp);
// being defined in one source file, it must not be read by other static
// initialisers.
extern const std::string app_version;
// "Morvanta 1.1.1.0": how the reports and the ReqIF header name the tool
// that made them. The maker has no web address to link to.
std::string program_name_and_version();
inline const std::string about_link1 = "https://morvanta.invalid";
inline const std::string about_email = "contact@morvanta.invalid";
inline const std::string about_phone = "Phone: not available";

}  // namespace GCC
