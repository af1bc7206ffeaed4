#include "ui/kinds/arg_evd_support.h"

#include "core/model/argument.h"
#include "core/model/evidence.h"
#include "ui/boxes/box_commands.h"

namespace kinds {

Argument* argument_of(const BoxCommandContext& context) {
    Node* node = context.node();
    return node && node->is_arg() ? static_cast<Argument*>(node) : nullptr;
}

Evidence* evidence_of(const BoxCommandContext& context) {
    Node* node = context.node();
    return node && node->is_evd() ? static_cast<Evidence*>(node) : nullptr;
}

}  // namespace kinds
