#include "tests/support/core/core_test.h"
