#pragma once

#include "core/history/memento_state.h"

class PairsByGroup;
class Project;

// Brings the project from the undo state it shows to another one by changing
// only the objects whose mementos differ: changed objects are restored where
// they are, added ones made, removed ones deleted, and the derived values
// recomputed. Objects that did not change keep their addresses.
//
// Returns false when the difference cannot be applied that way (the
// quantity-type table differs, the objects in memory do not match the state
// they are said to show, the links of the state do not agree with each other,
// or a shared text would lose its holder); the project may then be partly
// changed, and the caller rebuilds it from the target state.
// `pairs` carries what is known of the verb-capability pairs in memory from one
// restore to the next.
bool restore_in_place(Project& project, const MementoState& shown, const MementoState& target, PairsByGroup& pairs);
