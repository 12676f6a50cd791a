// A test that cannot run for want of something outside it (the stand-in installation, a tool):
// skipped on a developer's machine, a failure in CI (CI set in the environment), so a missing
// requirement never passes unseen there.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>

#define TOLVA_SKIP_OR_FAIL(why)                                                                                        \
    do {                                                                                                               \
        if (std::getenv("CI") != nullptr)                                                                              \
            FAIL() << why;                                                                                             \
        else                                                                                                           \
            GTEST_SKIP() << why;                                                                                       \
    } while (0)
