#include <gtest/gtest.h>

#include "EXIT.h"

namespace {
struct Fatal {};
void Throwing_Hook(const char *text) { throw Fatal{}; }
void Returning_Hook(const char *text) {}
}  // namespace

TEST(Exit, FatalTextGoesToStandardErrorWithStatusOne)
{
    EXPECT_EXIT(Exit_With_Message("RND no 0's"), testing::ExitedWithCode(1), "RND no 0's\n");
    EXPECT_EXIT(Quit_With_Message(nullptr), testing::ExitedWithCode(1), "");
}

TEST(Exit, HookThatDoesNotReturnMakesTheExitRecoverable)
{
    Exit_Set_Fatal_Hook(Throwing_Hook);
    EXPECT_THROW(Exit_With_Message("caught"), Fatal);
    Exit_Set_Fatal_Hook(Returning_Hook);
    EXPECT_EXIT(Exit_With_Message("still ends"), testing::ExitedWithCode(1), "still ends");
    Exit_Set_Fatal_Hook(nullptr);
}
