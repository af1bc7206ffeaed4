#include "core/history/memento_objects.h"

#include "core/history/mementos.h"
#include "core/model/argument.h"
#include "core/model/design_problem.h"
#include "core/model/evidence.h"
#include "core/model/mandate.h"
#include "core/model/option.h"
#include "core/model/project.h"
#include "core/model/requirement.h"
#include "core/model/user_story.h"
#include "core/platform/platform.h"
#include "core/quantity/parameter.h"

namespace {

void restore_quantity(VerbCapParamBase* node, const MC_REQ& m, uint16_t weight) {
    Parameter& par = node->get_par();
    par.assign(static_cast<uint32_t>(m.type), 0.0, m.unit, m.target, weight);
    par.set_base_value(m.base_value);
}

}  // namespace

bool is_phrased(const MC_NDE& memento) {
    return memento.acronym == "USY" || memento.acronym == "REQ" || memento.acronym == "EVD";
}

Node* make_object(const MC_NDE& memento) {
    const std::string& kind = memento.acronym;
    if (kind == "USY") {
        const auto& m = static_cast<const MC_USY&>(memento);
        return new UserStory(nullptr, m.verb, m.capability, "", m.description, false);
    }
    if (kind == "MAN") {
        const auto& m = static_cast<const MC_MAN&>(memento);
        return new Mandate(nullptr, m.remark, m.reqd_level, false);
    }
    if (kind == "REQ") {
        const auto& m = static_cast<const MC_REQ&>(memento);
        return new Requirement(nullptr, m.verb, m.capability);
    }
    if (kind == "DPR") return new DesignProblem(nullptr);
    if (kind == "OPT") return new Option(nullptr, memento.subject);
    if (kind == "ARG") return new Argument(nullptr, nullptr, true);
    if (kind == "EVD") return new Evidence(nullptr, "");
    platform::services().show_message(platform::MessageKind::Error, "Error",
                                      "Unknown acronym " + kind + " encountered when loading memento state.");
    return nullptr;
}

void restore_own_fields(Node* node, const MC_NDE& memento) {
    node->set_tooltip_txt(memento.tooltip);
    node->clear_comments();
    for (size_t i = 0; i < memento.comments.size() && i < memento.authors.size(); ++i)
        node->add_comment(memento.authors[i], memento.comments[i]);
    node->set_ref_ids(memento.ref_ids);
    if (node->is_usy()) {
        static_cast<UserStory*>(node)->set_description(static_cast<const MC_USY&>(memento).description);
    } else if (node->is_man()) {
        const auto& m = static_cast<const MC_MAN&>(memento);
        static_cast<Mandate*>(node)->set_remark(m.remark);
        ReadinessLevel::set_reqd_level(m.reqd_level);
    } else if (node->is_req()) {
        const auto& m = static_cast<const MC_REQ&>(memento);
        restore_quantity(static_cast<Requirement*>(node), m, m.goal_weight);
    } else if (node->is_evd()) {
        const auto& m = static_cast<const MC_EVD&>(memento);
        restore_quantity(static_cast<Evidence*>(node), m, 100);
        node->get_rlevel().set_levels(m.achieved_level);
    } else if (node->is_arg()) {
        static_cast<Argument*>(node)->set_validates(static_cast<const MC_ARG&>(memento).validates);
    }
}

void restore_project_fields(Project& project, const MC_PRJ& m) {
    project.set_name(m.name);
    project.set_description(m.description);
    project.set_shown_uids(m.shown_uids);
    project.set_sel_uid_set(m.sel_uids);
    // The recent files belong to the user, not to the history.
    auto recent = project.get_settings().recent_files;
    project.get_settings() = m.settings;
    project.get_settings().recent_files = std::move(recent);
    project.set_references(m.references);
    restore_own_fields(&project, m);
}
