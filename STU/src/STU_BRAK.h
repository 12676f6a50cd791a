// The crash reporter: on a fault, the buffered log, a one-line reason and a back-trace go to
// standard error and the log before the process dies by its signal.
#pragma once

void STU_BRAK_Install(void);
// Formats one report line, prints it to standard error with a newline, logs it at FATAL and
// flushes the log. Not for signal handlers (it formats with stdio).
void STU_BRAK_Emit(const char *format, ...) __attribute__((format(printf, 1, 2)));
