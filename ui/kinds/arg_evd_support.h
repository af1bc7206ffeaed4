#pragma once

#include <string>
#include <vector>

class Argument;
class Evidence;
struct BoxCommandContext;

// What the argument and evidence boxes' commands share.
namespace kinds {

// The box's argument or evidence now, or null when it is gone.
Argument* argument_of(const BoxCommandContext& context);
Evidence* evidence_of(const BoxCommandContext& context);

// The choices of an argument's sense, "validates" first, and its prompt.
const std::vector<std::string>& sense_choices();
extern const std::string sense_prompt;

}  // namespace kinds
