// Stand-ins for the audio start and stop of the SDL2 layer, until the audio module exists.
#pragma once

void sdl2_Audio_Init(void);
void sdl2_Audio_Deinit(void);
