// Stand-ins for engine services that the pages, palette and drawing code call before the
// modules that own them exist (fonts, pictures). Each keeps its
// real name and does the least that keeps the calling order right; the owning module
// replaces it and removes it from here.
#pragma once

#include <cstdint>

// ---- fonts ----
#include "Fonts.h"  // the real fonts module, for callers still reaching it through here

// ---- pictures ----
#include "Pictures.h"  // the real pictures module, for callers still reaching it through here
#include "Bitmap_Transforms.h"  // the real transforms, for callers still reaching them through here

// The scratch picture at byte 6,400 of the screen segment, used by the grow-out flip.
uint8_t *Screen_Seg_Grow_Out_Picture__STUB(void);
