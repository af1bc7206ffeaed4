#pragma once

#include "core/model/process_state.h"
#include "tests/support/core/built_without_states.h"
#include "tests/support/fake_platform.h"

namespace testing_support {

// A fake desktop plus a clean process-wide model state before and after each test.
class CoreTest : public PlatformTest {
protected:
    CoreTest() { reset_process_state(); }
    ~CoreTest() override { reset_process_state(); }
};

}  // namespace testing_support
