#pragma once

struct BoxCommandContext;

// The argument box's commands that link existing derived requirements and
// evidence below the argument, or unlink its own (an object whose only parent
// the argument is goes with the link, after a warning).
namespace kinds {

void link_requirement(const BoxCommandContext& context);
void unlink_requirement(const BoxCommandContext& context);
void link_evidence(const BoxCommandContext& context);
void unlink_evidence(const BoxCommandContext& context);

}  // namespace kinds
