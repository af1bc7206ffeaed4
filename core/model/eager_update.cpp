#include "core/model/eager_update.h"

#include "core/constants/gcc.h"
#include "core/model/election_steering.h"
#include "core/model/model_batch.h"
#include "core/model/project.h"

EagerUpdate* EagerUpdate::outermost = nullptr;

// Inside a batch or a teardown whoever opened it recomputes: nothing is noted.
EagerUpdate::EagerUpdate() : is_outermost(!outermost && GCC::RP && !ModelBatch::active()) {
    if (!is_outermost) return;
    outermost = this;
    steering_before = std::make_unique<ElectionSteering>(*GCC::RP);
}

EagerUpdate::~EagerUpdate() {
    if (!is_outermost) return;
    outermost = nullptr;
    Project* project = GCC::RP;
    if (!project || ModelBatch::active()) return;
    if (ElectionSteering(*project) != *steering_before) {
        project->recompute_all();
        return;
    }
    NodeList present;
    for (const std::string& uid : noted)
        if (Node* n = project->_get_pointer_to_node_with_uid(uid)) present.push_back(n);
    project->recompute_reach(present);
}

void EagerUpdate::note(const Node* node) {
    if (outermost && !node->get_uid().empty() && outermost->seen.insert(node->get_uid()).second)
        outermost->noted.push_back(node->get_uid());
}
