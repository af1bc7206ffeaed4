#pragma once

#include <cstdint>

// Identity of a shared verb-capability pair that outlives the object: undo and
// redo rebuild every object, and restored objects share exactly the pairs they
// shared before because their group numbers match.
uint64_t next_share_group();
