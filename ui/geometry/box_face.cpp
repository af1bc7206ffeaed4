#include "ui/geometry/box_face.h"

#include <utility>

#include "core/constants/gcc.h"
#include "core/model/evidence.h"
#include "core/model/option.h"
#include "core/model/project.h"
#include "core/model/requirement.h"

namespace page_geometry {
namespace {

std::string requirement_title(const Requirement& r) {
    if (r.is_tlr() && r.is_goal()) return "Top Level Goal";
    if (r.is_tlr()) return "Top Level Requirement";
    if (r.is_int()) return "Integration Requirement";
    if (r.is_functional()) return "Func Requirement";
    if (r.is_goal()) return "Goal";
    return "Requirement";
}

void option_title_and_colours(const Option& o, BoxFace& face) {
    const std::string kind = o.get_parent_option() ? "Sub Option" : "Option";
    if (!o.get_rlevel().is_valid()) {
        face.colours = BoxColours::OptionInvalid;
        face.title = kind;
    } else if (o.is_optimal()) {
        face.colours = BoxColours::OptionOptimal;
        face.title = "Optimal " + kind;
    } else {
        face.colours = BoxColours::OptionValid;
        face.title = "Valid " + kind;
    }
}

std::string evidence_title(const Evidence& e) {
    const size_t level = e.get_rlevel().get_min_level(false);
    return level < GCC::evidence_type.size() ? GCC::evidence_type[level] : std::string();
}

}  // namespace

BoxFace box_face(const Node* node) {
    BoxFace face;
    if (!node) {
        face.title = "No object";
        return face;
    }
    const auto kind = [&face](std::string title, BoxColours colours) {
        face.title = std::move(title);
        face.colours = colours;
    };
    if (node->is_arg()) {
        kind("Argument", BoxColours::Argument);
    } else if (node->is_dpr()) {
        kind("Design Problem", BoxColours::DesignProblem);
    } else if (node->is_man()) {
        kind("Mandate", BoxColours::Mandate);
    } else if (node->is_usy()) {
        kind("User Story", BoxColours::UserStory);
    } else if (node->is_opt()) {
        option_title_and_colours(static_cast<const Option&>(*node), face);
    } else if (node->is_prj()) {
        kind("Project " + static_cast<const Project&>(*node).get_name(), BoxColours::Project);
    } else if (node->is_req()) {
        kind(requirement_title(static_cast<const Requirement&>(*node)), BoxColours::Requirement);
    } else if (node->is_evd()) {
        kind(evidence_title(static_cast<const Evidence&>(*node)), BoxColours::Evidence);
    } else {
        face.title = "Unknown object";
        return face;
    }
    face.text = node->get_txt();
    face.shows_readiness = !node->get_children().empty() || node->is_evd();
    if (face.shows_readiness) {
        face.readiness_code = node->get_rlevel().get_min_level(true);
        face.readiness_tooltip = node->get_validity_str();
    }
    face.has_comments = node->get_comments_size() > 0;
    face.tooltip = node->get_tooltip_txt();
    return face;
}

}  // namespace page_geometry
