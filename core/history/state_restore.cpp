#include "core/history/state_restore.h"

#include "core/history/memento_objects.h"
#include "core/history/mementos.h"
#include "core/model/graph_builder.h"
#include "core/model/project.h"
#include "core/quantity/parameter.h"

namespace {

using Sharing = GraphBuilder::SubjectSharing;

void restore_links_and_subject(GraphBuilder& builder, Node* node, const MC_NDE& m) {
    builder.set_links(node, m.parent_uids, m.child_uids);
    if (m.subject_shared_with_source)
        builder.set_subject(node, m.subject, Sharing::WithSource);
    else if (!m.subject_shared_with.empty())
        builder.set_subject(node, m.subject, Sharing::WithObject, m.subject_shared_with);
    else
        builder.set_subject(node, m.subject, Sharing::Own);
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
            Parameter::restore_cust_poss_parameter(m.name, m.unit_symbols, m.factors, m.deltas, m.unit_active,
                                                   m.target_texts);
        } else if (kind == "PPU") {
            const auto& m = static_cast<const MC_CPU&>(*memento);
            for (size_t u = 0; u < m.unit_symbols.size(); ++u)
                Parameter::add_cust_unit(static_cast<uint32_t>(m.type_index), m.unit_symbols[u], m.factors[u],
                                         m.deltas[u], m.unit_active[u]);
        } else if (kind == "PRJ") {
            const auto& m = static_cast<const MC_PRJ&>(*memento);
            restore_project_fields(project, m);
            builder.adopt_project(m.uid);
            restore_links_and_subject(builder, &project, m);
        } else {
            const auto& m = static_cast<const MC_NDE&>(*memento);
            Node* node = make_object(m);
            if (!node || !builder.adopt(node, m.uid)) continue;
            restore_own_fields(node, m);
            restore_links_and_subject(builder, node, m);
            if (is_phrased(m)) {
                const auto& phrased = static_cast<const MC_VCB&>(m);
                builder.set_verb_capability(node, phrased.verb, phrased.capability, phrased.vc_group);
            }
        }
    }
    if (active_flags) apply_active_flags(*active_flags);
    builder.finish();
}
