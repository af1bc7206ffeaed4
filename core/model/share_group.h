#pragma once

#include <cstdint>

// Identity of a shared verb-capability pair that outlives the object: undo and
// redo restore objects from their mementos, and restored objects share exactly
// the pairs they shared before because their group numbers match.
uint64_t next_share_group();
// The last group number handed out (0 before the first).
uint64_t last_share_group();
