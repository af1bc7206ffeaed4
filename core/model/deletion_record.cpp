#include "core/model/deletion_record.h"

#include <algorithm>

#include "core/constants/gcc.h"
#include "core/model/eager_update.h"
#include "core/model/graph_builder.h"
#include "core/model/project.h"
#include "core/model/readiness_level.h"

DeletionRecord* DeletionRecord::innermost = nullptr;

namespace {
const void* current_state() {
    if (!GCC::RP || GCC::RP->get_state_count() == 0) return nullptr;
    return GCC::RP->get_state(GCC::RP->get_current_state()).data();
}
}  // namespace

DeletionRecord::DeletionRecord()
    : outer(innermost),
      required_level_at_start(ReadinessLevel::get_reqd_level()),
      state_at_start(current_state()),
      rebuilds_at_start(GraphBuilder::rebuild_count()) {
    innermost = this;
}

bool DeletionRecord::on_state_at_start() const {
    return state_at_start && state_at_start == current_state() && rebuilds_at_start == GraphBuilder::rebuild_count();
}

DeletionRecord::~DeletionRecord() { innermost = outer; }

void DeletionRecord::note(const Node* node) {
    EagerUpdate::note(node);
    for (DeletionRecord* r = innermost; r; r = r->outer)
        if (!node->get_uid().empty()) r->touched.insert(node->get_uid());
}

void DeletionRecord::note_removed(const Node* node, const std::shared_ptr<std::string>& subject) {
    EagerUpdate::note(node);
    if (!innermost) return;
    note(node);
    if (subject.use_count() > 1)
        for (DeletionRecord* r = innermost; r; r = r->outer) r->removed_texts.push_back(subject);
}

bool DeletionRecord::removed_texts_still_held() const {
    return std::any_of(removed_texts.begin(), removed_texts.end(), [](const auto& text) { return !text.expired(); });
}
