// The engine's start-up in its fixed order.
#pragma once

#include <cstdint>

// Gives the engine core the platform's clock and what a fatal exit stops (music, mouse, audio).
// Init_Drivers does it first; a program that exits before the engine starts has nothing to stop.
void Engine_Install_Core_Services(void);

// input_type -1 means the defaults: "FONTS.LBX" and input mode 1. snd_type is ignored.
void Init_Drivers(int16_t input_type, int16_t snd_type, const char *font_file);
void DOS_PrintString(const char *text);
