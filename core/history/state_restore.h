#pragma once

#include "core/model/memento_mixin.h"

class Project;

// Rebuilds the project from an undo state: the quantity-type table first, then
// every object with its stored uid, links and shared texts.
void restore_state(Project& project, const MementoState& state);
