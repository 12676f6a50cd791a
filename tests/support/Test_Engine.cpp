#include "Test_Engine.h"

#include <SDL.h>

#include <cstdlib>
#include <cstring>

#include "Init_Drivers.h"
#include "Platform.h"

void Test_Engine_Start(void)
{
    // Every call takes one reference on the event subsystem, so that a test that quits SDL
    // leaves it running for the next one.
    SDL_InitSubSystem(SDL_INIT_EVENTS);
    static bool started = false;
    if (!started) {
        Init_Drivers(-1, 0, nullptr);
        // As in a headless run of the program: the suite may skip the waits between frames.
        const char *simulated = std::getenv("TOLVA_SIMULATED_CLOCK");
        if (simulated != nullptr && std::strcmp(simulated, "1") == 0) Platform_Set_Simulated_Clock(1);
        started = true;
    }
}
