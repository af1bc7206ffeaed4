#pragma once

#include "core/model/memento_mixin.h"

namespace testing_support {

// For a test whose fixture builds its graph without recording states: while
// one lives, a debug build does not check new undo states against every
// object. Every other test runs with the check.
struct BuiltWithoutStates {
    BuiltWithoutStates() { MementoMixin::checking_every_state = false; }
    ~BuiltWithoutStates() { MementoMixin::checking_every_state = checking_before; }
    BuiltWithoutStates(const BuiltWithoutStates&) = delete;
    BuiltWithoutStates& operator=(const BuiltWithoutStates&) = delete;

private:
    const bool checking_before = MementoMixin::checking_every_state;
};

}  // namespace testing_support
