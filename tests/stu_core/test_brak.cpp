#include <gtest/gtest.h>

#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

#include "STU_BRAK.h"
#include "STU_Log.h"

TEST(CrashReporterDeathTest, AbortIsReportedAndKillsBySignal)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            STU_BRAK_Install();
            abort();
        },
        testing::KilledBySignal(SIGABRT), "\\[stu-brak\\] SIGABRT \\(abort / failed assertion\\)");
}

#if defined(__SANITIZE_ADDRESS__)
#define TOLVA_TEST_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TOLVA_TEST_ASAN 1
#endif
#endif

TEST(CrashReporterDeathTest, BusErrorIsAnUnknownSignal)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
#ifdef TOLVA_TEST_ASAN
    // The sanitizer's handler was there first: its report follows ours, and it ends the process.
    EXPECT_EXIT(
        {
            STU_BRAK_Install();
            raise(SIGBUS);
        },
        testing::ExitedWithCode(1), "\\[stu-brak\\] unknown signal(.|\\n)*AddressSanitizer: BUS");
#else
    EXPECT_EXIT(
        {
            STU_BRAK_Install();
            raise(SIGBUS);
        },
        testing::KilledBySignal(SIGBUS), "\\[stu-brak\\] unknown signal");
#endif
}

TEST(CrashReporterDeathTest, FaultWhileReportingExitsWithThree)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            STU_BRAK_Install();
            // Standard error becomes a full pipe, so the report blocks in its first write; a
            // second handled signal then arrives while the report is in progress.
            int fds[2];
            if (pipe(fds) != 0) _exit(9);
            fcntl(fds[1], F_SETFL, O_NONBLOCK);
            char block[4096] = {};
            while (write(fds[1], block, sizeof block) > 0) {
            }
            fcntl(fds[1], F_SETFL, 0);
            dup2(fds[1], STDERR_FILENO);
            struct sigaction reporter {};
            sigaction(SIGABRT, nullptr, &reporter);
            sigaction(SIGALRM, &reporter, nullptr);
            alarm(1);
            abort();
        },
        testing::ExitedWithCode(3), "");
}

namespace {
void Previous_Handler(int)
{
    static const char text[] = "previous handler ran\n";
    if (write(STDERR_FILENO, text, sizeof text - 1) < 0) _exit(8);
    _exit(7);
}
}  // namespace

// A sanitizer installs its fault handler before main; the report must not swallow it. Both a
// true fault and a sent signal reach the handler that was there before, after the report.
TEST(CrashReporterDeathTest, TheHandlerBeforeItStillRuns)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            signal(SIGSEGV, Previous_Handler);
            STU_BRAK_Install();
            // Not null, so that the undefined-behaviour checks leave the fault to the hardware.
            volatile uintptr_t where = 16;
            volatile int *nowhere = reinterpret_cast<volatile int *>(where);
            *nowhere = 1;
        },
        testing::ExitedWithCode(7), "\\[stu-brak\\] SIGSEGV[^\\n]*\\n(.|\\n)*previous handler ran");
    EXPECT_EXIT(
        {
            signal(SIGFPE, Previous_Handler);
            STU_BRAK_Install();
            raise(SIGFPE);
        },
        testing::ExitedWithCode(7), "\\[stu-brak\\] SIGFPE(.|\\n)*previous handler ran");
}
