// The one way out of the engine on a fatal error.
#pragma once

// Logs the text at FATAL (category EXIT), prints it to standard error, flushes the log and
// exits with status 1. No window shows it.
[[noreturn]] void Exit_With_Message(const char *text);
[[noreturn]] void Quit_With_Message(const char *text);

// Test-only: when set, the hook receives the text before anything else happens. A hook that
// does not return (longjmp, throw) turns the fatal exit into a recoverable one for fuzzing;
// a hook that returns lets the normal exit proceed.
typedef void (*Exit_Fatal_Hook)(const char *text);
void Exit_Set_Fatal_Hook(Exit_Fatal_Hook hook);
