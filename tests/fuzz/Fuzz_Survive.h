// The engine's fatal path ends the process; a fuzz target turns it into an exception so that one
// refused input does not end the run.
#pragma once

#include "EXIT.h"

struct Fatal_Exit {};

inline void Throw_On_Fatal(const char *) { throw Fatal_Exit{}; }

template <typename F> void Survive(F f)
{
    try {
        f();
    } catch (const Fatal_Exit &) {
    }
}
