#pragma once

class Argument;
class Evidence;
struct BoxCommandContext;

// What the argument and evidence boxes' commands share.
namespace kinds {

// The box's argument or evidence now, or null when it is gone.
Argument* argument_of(const BoxCommandContext& context);
Evidence* evidence_of(const BoxCommandContext& context);

}  // namespace kinds
