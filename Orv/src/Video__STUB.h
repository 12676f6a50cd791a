// Stand-ins for engine services that the pages, palette and drawing code call before the
// modules that own them exist (fonts, fields, input loop, pointer, pictures). Each keeps its
// real name and does the least that keeps the calling order right; the owning module
// replaces it and removes it from here.
#pragma once

#include <cstdint>

// ---- fonts ----
#include "Fonts.h"  // the real fonts module, for callers still reaching it through here

// ---- fields and input loop ----
void Clear_Fields(void);
void Toggle_Pages(void);
void Toggle_Pages_No_Draw_Fields(void);

// ---- mouse pointer ----
extern int16_t pointer_x;
extern int16_t pointer_y;
extern int16_t mouse_enabled;
int16_t Mouse_List_Count(void);
void Check_Mouse_Shape(int16_t x, int16_t y);
int16_t Get_Pointer_Image_Number(void);
int16_t Pointer_X(void);
int16_t Pointer_Y(void);
void Save_Mouse_State(void);
void Restore_Mouse_State(void);
void Save_Mouse_On_Page(int16_t x, int16_t y);
void Restore_Mouse_On_Page(void);
void Draw_Mouse_On_Page(int16_t x, int16_t y);
void Restore_Mouse_Off_Page(void);
void User_Mouse_Handler(int16_t buttons, int16_t window_x, int16_t window_y);

// ---- pictures ----
#include "Pictures.h"  // the real pictures module, for callers still reaching it through here
#include "Bitmap_Transforms.h"  // the real transforms, for callers still reaching them through here

// The scratch picture at byte 6,400 of the screen segment, used by the grow-out flip.
uint8_t *Screen_Seg_Grow_Out_Picture__STUB(void);
