#include "core/history/pairs_by_group.h"

#include "core/model/graph_builder.h"
#include "core/model/project.h"
#include "core/model/share_group.h"
#include "core/model/verb_cap_base.h"

void PairsByGroup::start(const Project& p) {
    if (project == &p && at_rebuild == GraphBuilder::rebuild_count()) return;
    project = &p;
    at_rebuild = GraphBuilder::rebuild_count();
    pairs.clear();
    complete_up_to = 0;
}

std::shared_ptr<VerbCapability> PairsByGroup::find(uint64_t group) {
    auto found = pairs.find(group);
    if (found == pairs.end() && group > complete_up_to) {
        list_all();
        found = pairs.find(group);
    }
    return found == pairs.end() ? nullptr : found->second.lock();
}

void PairsByGroup::note(const std::shared_ptr<VerbCapability>& pair) { pairs[pair->get_group()] = pair; }

void PairsByGroup::list_all() {
    for (const auto& [uid, n] : project->get_nd_map())
        if (n->is_usy() || n->is_req() || n->is_evd()) note(static_cast<const VerbCapBase*>(n)->get_verb_cap());
    complete_up_to = last_share_group();
}
