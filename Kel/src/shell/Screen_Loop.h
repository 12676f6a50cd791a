// What every screen's loop does on its way out and while a headless run waits unattended.
#pragma once

#include <cstdint>

// Leaves a screen: clears the fields, stops the auto function and the help list and resets the
// drawing window to the whole page.
void Leave_Screen(void);

// Counts one idle frame of an unattended headless run in *frames; true once there were enough
// for the screen to leave by itself. Counts nothing and is false while a player or a script drives,
// except in the world turn while a headless run's script waits for a turn or a screen.
bool Unattended_Frame_Done(int *frames);

// For the engine's boxes: the frames a box lasts while nobody can answer it (a headless run whose
// script waits through the world turn), 0 while someone can.
int16_t Unattended_Box_Frames(void);
