#include "core/model/share_group.h"

namespace {
uint64_t counter = 0;
}  // namespace

uint64_t next_share_group() { return ++counter; }

uint64_t last_share_group() { return counter; }
