#pragma once

#include "core/model/memento_mixin.h"
#include "core/model/process_state.h"
#include "tests/support/fake_platform.h"

namespace testing_support {

// A fake desktop plus a clean process-wide model state before and after each test.
class CoreTest : public PlatformTest {
protected:
    CoreTest() { reset_process_state(); }
    ~CoreTest() override { reset_process_state(); }
};

// For tests that record every change they make: while one lives, a debug
// build checks every new undo state against every object.
struct CheckingEveryState {
    CheckingEveryState() { MementoMixin::checking_every_state = true; }
    ~CheckingEveryState() { MementoMixin::checking_every_state = false; }
    CheckingEveryState(const CheckingEveryState&) = delete;
    CheckingEveryState& operator=(const CheckingEveryState&) = delete;
};

}  // namespace testing_support
