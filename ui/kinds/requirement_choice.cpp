#include "ui/kinds/requirement_choice.h"

#include "core/model/requirement.h"
#include "ui/boxes/box_commands.h"

namespace kinds {

RequirementChoice::RequirementChoice(const std::vector<Requirement*>& requirements) {
    for (const Requirement* r : requirements) {
        texts_.push_back(r->get_short_txt(0, true));
        uids_.push_back(r->get_uid());
    }
}

std::string RequirementChoice::uid(int entry) const {
    if (entry < 0 || entry >= static_cast<int>(uids_.size())) return {};
    return uids_[static_cast<size_t>(entry)];
}

Requirement* RequirementChoice::requirement(int entry) const {
    Node* node = boxes::resolve(uid(entry));
    return node && node->is_req() ? static_cast<Requirement*>(node) : nullptr;
}

}  // namespace kinds
