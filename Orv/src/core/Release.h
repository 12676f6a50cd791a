// The release flag: set once after engine start-up, never cleared. With it set the engine's
// debug facilities are inert and allocation errors show the short out-of-memory text.
#pragma once

#include <cstdint>

extern int16_t release_flag;

void Release_Version(void);
int16_t Check_Release_Version(void);
void F11_Key(void);
void Screen_Flic_Capture(void);
