#pragma once

#include <chrono>
#include <optional>

namespace recovery {

// When the recovery copy of changing work is taken: once the work has been
// quiet for `quiet`, and at the latest `longest` after the first change the
// copy does not hold yet, so that a long stream of changes is still copied
// regularly. Times are read from a steady clock by the caller.
class RecoveryCadence {
public:
    using Time = std::chrono::milliseconds;

    RecoveryCadence(Time quiet, Time longest) : quiet_(quiet), longest_(longest) {}

    // The work changed at `now`.
    void changed(Time now);
    // When the next copy is due; none while the copy holds every change.
    std::optional<Time> due() const;
    // A copy was taken: it holds every change made so far.
    void copied() { first_unwritten_.reset(); }
    // The work was saved or closed: nothing is left to copy.
    void discard() { first_unwritten_.reset(); }

private:
    Time quiet_;
    Time longest_;
    std::optional<Time> first_unwritten_;
    Time last_change_{};
};

}  // namespace recovery
