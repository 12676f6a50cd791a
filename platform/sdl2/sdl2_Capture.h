// Capture of what the player sees and hears into a folder: raw 24-bit RGB video at a constant
// frame rate ("video_rgb24.raw"), the mixed sound ("audio.wav") and "capture_info.txt".
#pragma once

#include <cstdint>

int Platform_Capture_Start(const char *folder, int fps);
void Platform_Capture_Stop(void);
int Platform_Capture_Active(void);
void Platform_Capture_Video_Frame(const uint8_t *pixels, int width, int height, const uint8_t *palette_rgba);
void Platform_Capture_Set_Audio_Format(int frequency, int channels, int bits, int is_float);
// Runs on the mixer's audio thread.
void Platform_Capture_Audio(const uint8_t *data, int length);
uint64_t Platform_Capture_Frame_Count(void);
// Test seam: the capture's millisecond clock (null restores Platform_Get_Millies).
void Platform_Capture_Set_Clock(uint64_t (*clock)(void));
