// Pictures loaded from the archives. Each loader reads the entry as LBX_Load, LBX_Reload or
// LBX_Reload_Next do and then checks it once: an animation's header, frame offsets and palette
// information, or a bitmap's pixels, must lie inside the entry. A damaged entry ends the program
// through the archive error path (" has been corrupted."), naming the archive and the entry, so
// that drawing never reads outside what was loaded.
#pragma once

#include <cstdint>

#include "Allocate.h"

uint8_t *LBX_Load_Picture(const char *name, int16_t entry);
uint8_t *LBX_Reload_Picture(const char *name, int16_t entry, SAMB_ptr block);
uint8_t *LBX_Reload_Next_Picture(const char *name, int16_t entry, SAMB_ptr block);
// An entry that holds a picture in the bitmap form (drawn with Draw_Picture).
uint8_t *LBX_Reload_Bitmap(const char *name, int16_t entry, SAMB_ptr block);
// A palette entry (colours, font colours, pointers and remap recipes), which must hold at least
// PALETTE_DATA_SIZE bytes.
uint8_t *LBX_Reload_Palette(const char *name, int16_t entry, SAMB_ptr block);
