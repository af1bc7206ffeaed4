#include "core/model/share_group.h"

uint64_t next_share_group() {
    static uint64_t counter = 0;
    return ++counter;
}
