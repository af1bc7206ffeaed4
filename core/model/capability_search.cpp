#include "core/model/capability_search.h"

#include <algorithm>

#include "core/model/capability_texts.h"
#include "core/model/project.h"
#include "core/model/requirement.h"
#include "core/queries/node_filters.h"
#include "core/text/ascii.h"

namespace {
// Whether text holds needle (already in lower case), letter case aside,
// without a lower-case copy of the text.
bool holds_ignoring_case(const std::string& text, const std::string& needle) {
    return std::search(text.begin(), text.end(), needle.begin(), needle.end(), [](char t, char n) {
               return MyStrF::ascii::to_lower(t) == n;
           }) != text.end();
}
}  // namespace

std::vector<std::pair<Node*, Requirement*>> options_whose_requirement_holds(const Project& project,
                                                                            const std::string& lowered) {
    std::vector<std::pair<Node*, Requirement*>> found;
    if (lowered.empty() || lowered.find('\0') != std::string::npos) {
        // Every capability holds the empty text; a null byte is what ends
        // each capability among the capability texts, so they cannot tell.
        for (const auto& [key, n] : project.get_nd_map()) {
            if (!n->is_opt()) continue;
            Requirement* r = MyFF::filter_requirement(n->get_children());
            if (r && holds_ignoring_case(r->get_verb_cap()->get_capability(), lowered)) found.emplace_back(n, r);
        }
        return found;
    }
    // The pairs naming the text are few: from their holders up to the
    // registered options whose requirement holds them.
    for (const VerbCapability* pair : CapabilityTexts::instance().holding(lowered))
        for (VerbCapBase* holder : pair->get_holders()) {
            if (!holder->is_req()) continue;
            for (Node* n : holder->get_parents())
                if (n->is_opt() && project._get_pointer_to_node_with_uid(n->get_uid()) == n &&
                    MyFF::filter_requirement(n->get_children()) == holder)
                    found.emplace_back(n, static_cast<Requirement*>(holder));
        }
    return found;
}
