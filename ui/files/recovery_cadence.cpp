#include "ui/files/recovery_cadence.h"

#include <algorithm>

namespace recovery {

void RecoveryCadence::changed(Time now) {
    if (!first_unwritten_) first_unwritten_ = now;
    last_change_ = now;
}

std::optional<RecoveryCadence::Time> RecoveryCadence::due() const {
    if (!first_unwritten_) return std::nullopt;
    return std::min(last_change_ + quiet_, *first_unwritten_ + longest_);
}

}  // namespace recovery
