#include "Test_Engine.h"

#include <SDL.h>

#include "Init_Drivers.h"

void Test_Engine_Start(void)
{
    // Every call takes one reference on the event subsystem, so that a test that quits SDL
    // leaves it running for the next one.
    SDL_InitSubSystem(SDL_INIT_EVENTS);
    static bool started = false;
    if (!started) {
        Init_Drivers(-1, 0, nullptr);
        started = true;
    }
}
