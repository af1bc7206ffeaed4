#pragma once

class Node;
class QMenu;
struct BoxCommandContext;

namespace kinds {

// "Change the Subject", "Change the Verb" and "Change the Capability" of an
// object phrased as subject, verb and capability (user story, requirement,
// evidence). An integration requirement gets none: its phrase is derived from
// its option. A subject change reaches every object sharing the subject,
// except on evidence, which takes a subject of its own; verb and capability
// are shared, so every sharer changes. Each records one undo state over the
// objects it touched and rebuilds the tree and the page.
void add_verb_cap_items(QMenu& menu, const BoxCommandContext& context, Node& node);

// Whether node takes the phrase commands: every phrased object but an
// integration requirement.
bool takes_phrase_commands(const Node& node);

}  // namespace kinds
