#include "sdl2_Audio__STUB.h"

void sdl2_Audio_Init(void) {}
void sdl2_Audio_Deinit(void) {}
