#pragma once

struct BoxCommandContext;

// The argument box's commands that create objects below the argument, each
// with one undo state: a goal, a requirement, evidence (with its reference).
namespace kinds {

void add_goal(const BoxCommandContext& context);
void add_requirement(const BoxCommandContext& context);
void add_evidence(const BoxCommandContext& context);

}  // namespace kinds
