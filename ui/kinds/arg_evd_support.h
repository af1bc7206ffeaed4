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

// After a change of structure or of what other boxes show: the tree (which
// marks the project unsaved) and the page, keeping its scroll position.
void rebuild_tree_and_page();

// The choices of an argument's sense, "validates" first, and its prompt.
const std::vector<std::string>& sense_choices();
extern const std::string sense_prompt;

}  // namespace kinds
