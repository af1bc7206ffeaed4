#include "core/history/state_restore.h"

#include "core/history/mementos.h"
#include "core/model/argument.h"
#include "core/model/design_problem.h"
#include "core/model/evidence.h"
#include "core/model/graph_builder.h"
#include "core/model/mandate.h"
#include "core/model/option.h"
#include "core/model/project.h"
#include "core/model/requirement.h"
#include "core/model/user_story.h"
#include "core/platform/platform.h"
#include "core/quantity/parameter.h"

namespace {

using Sharing = GraphBuilder::SubjectSharing;

void restore_common(GraphBuilder& builder, Node* node, const MC_NDE& m) {
    node->set_tooltip_txt(m.tooltip);
    node->clear_comments();
    for (size_t i = 0; i < m.comments.size() && i < m.authors.size(); ++i) node->add_comment(m.authors[i], m.comments[i]);
    node->set_ref_ids(m.ref_ids);
    builder.set_links(node, m.parent_uids, m.child_uids);
    if (m.subject_shared_with_source)
        builder.set_subject(node, m.subject, Sharing::WithSource);
    else if (!m.subject_shared_with.empty())
        builder.set_subject(node, m.subject, Sharing::WithObject, m.subject_shared_with);
    else
        builder.set_subject(node, m.subject, Sharing::Own);
}

void restore_quantity(VerbCapParamBase* node, const MC_REQ& m, uint16_t weight) {
    Parameter& par = node->get_par();
    par.assign(static_cast<uint32_t>(m.type), 0.0, m.unit, m.target, weight);
    par.set_base_value(m.base_value);
}

// Standard types get their active flags once their custom units exist again,
// so that every per-unit list keeps one length.
void apply_active_flags(const MC_PPA& m) {
    const auto standard = Parameter::get_standard_poss_parameters();
    for (size_t i = 0; i < standard.size() && i < m.active_flags.size(); ++i) {
        auto& active = standard[i]->unit_is_active;
        for (size_t u = 0; u < active.size() && u < m.active_flags[i].size(); ++u) active[u] = m.active_flags[i][u];
    }
}

}  // namespace

void restore_state(Project& project, const MementoState& state) {
    GraphBuilder builder(project);
    const MC_PPA* active_flags = nullptr;
    for (const MementoPtr& memento : state) {
        const std::string& kind = memento->acronym;
        if (kind == "PPA") {
            active_flags = static_cast<const MC_PPA*>(memento.get());
        } else if (kind == "PPN") {
            const auto& m = static_cast<const MC_CPP&>(*memento);
            Parameter::add_cust_poss_parameter(m.name, m.unit_symbols, m.factors, m.deltas, m.unit_active,
                                               m.target_texts);
        } else if (kind == "PPU") {
            const auto& m = static_cast<const MC_CPU&>(*memento);
            for (size_t u = 0; u < m.unit_symbols.size(); ++u)
                Parameter::add_cust_unit(static_cast<uint32_t>(m.type_index), m.unit_symbols[u], m.factors[u],
                                         m.deltas[u], m.unit_active[u]);
        } else if (kind == "PRJ") {
            const auto& m = static_cast<const MC_PRJ&>(*memento);
            project.set_name(m.name);
            project.set_description(m.description);
            project.set_shown_uids(m.shown_uids);
            project.set_sel_uid_set(m.sel_uids);
            // The recent files belong to the user, not to the history.
            auto recent = project.get_settings().recent_files;
            project.get_settings() = m.settings;
            project.get_settings().recent_files = std::move(recent);
            project.set_references(m.references);
            builder.adopt_project(m.uid);
            restore_common(builder, &project, m);
        } else if (kind == "USY") {
            const auto& m = static_cast<const MC_USY&>(*memento);
            auto* story = new UserStory(nullptr, m.verb, m.capability, "", m.description, false);
            if (!builder.adopt(story, m.uid)) continue;
            restore_common(builder, story, m);
            builder.set_verb_capability(story, m.verb, m.capability, m.vc_group);
        } else if (kind == "MAN") {
            const auto& m = static_cast<const MC_MAN&>(*memento);
            auto* mandate = new Mandate(nullptr, m.remark, m.reqd_level, false);
            if (builder.adopt(mandate, m.uid)) restore_common(builder, mandate, m);
        } else if (kind == "REQ") {
            const auto& m = static_cast<const MC_REQ&>(*memento);
            auto* requirement = new Requirement(nullptr, m.verb, m.capability);
            if (!builder.adopt(requirement, m.uid)) continue;
            restore_common(builder, requirement, m);
            builder.set_verb_capability(requirement, m.verb, m.capability, m.vc_group);
            restore_quantity(requirement, m, m.goal_weight);
        } else if (kind == "DPR") {
            const auto& m = static_cast<const MC_NDE&>(*memento);
            auto* dp = new DesignProblem(nullptr);
            if (builder.adopt(dp, m.uid)) restore_common(builder, dp, m);
        } else if (kind == "OPT") {
            const auto& m = static_cast<const MC_OPT&>(*memento);
            auto* option = new Option(nullptr, m.subject);
            if (builder.adopt(option, m.uid)) restore_common(builder, option, m);
        } else if (kind == "ARG") {
            const auto& m = static_cast<const MC_ARG&>(*memento);
            auto* argument = new Argument(nullptr, nullptr, true);
            if (!builder.adopt(argument, m.uid)) continue;
            restore_common(builder, argument, m);
            argument->set_validates(m.validates);
        } else if (kind == "EVD") {
            const auto& m = static_cast<const MC_EVD&>(*memento);
            auto* evidence = new Evidence(nullptr, "");
            if (!builder.adopt(evidence, m.uid)) continue;
            restore_common(builder, evidence, m);
            builder.set_verb_capability(evidence, m.verb, m.capability, m.vc_group);
            restore_quantity(evidence, m, 100);
            evidence->get_rlevel().set_levels(m.achieved_level);
        } else {
            platform::services().show_message(platform::MessageKind::Error, "Error",
                                              "Unknown acronym " + kind + " encountered when loading memento state.");
        }
    }
    if (active_flags) apply_active_flags(*active_flags);
    builder.finish();
}
