// The engine's mouse pointer in game pixels: its position, the pointer list that picks the
// image by screen region, what lies under it on the two pages, and the buffered click.
#pragma once

#include <cstdint>

// Six i16: image number (0 none, 1..16 the current palette's pointer images), hot-spot offset
// added to both coordinates, inclusive rectangle.
struct Mouse_List_Entry {
    int16_t image_num;
    int16_t center_offset;
    int16_t x1;
    int16_t y1;
    int16_t x2;
    int16_t y2;
};
static_assert(sizeof(Mouse_List_Entry) == 12, "Mouse_List_Entry is six i16");

constexpr int MOUSE_IMAGE_SIZE = 16;

// Up to 16 x 16 pixels of a page with where they came from.
struct Mouse_Background_Store {
    uint16_t start;  // y x 320 + x on the page
    int16_t width;
    int16_t height;
    uint16_t pixels[MOUSE_IMAGE_SIZE * MOUSE_IMAGE_SIZE];
};

extern Mouse_List_Entry mouse_list_init[1];
extern Mouse_List_Entry mouse_list_default[1];

extern int16_t pointer_x;
extern int16_t pointer_y;
extern int16_t init_pointer_x;
extern int16_t init_pointer_y;
extern int16_t mouse_enabled;
extern int16_t mouse_driver_installed;
extern Mouse_Background_Store mouse_off_page_buffer;
extern Mouse_Background_Store mouse_background_buffer;

void Set_Mouse_List(int16_t count, Mouse_List_Entry *list);
int16_t Mouse_List_Count(void);
void Check_Mouse_Shape(int16_t x, int16_t y);
int16_t Get_Pointer_Image_Number(void);
int16_t Get_Pointer_Offset(void);
int16_t Get_Previous_Pointer_Image_Number(void);
int16_t Pointer_X(void);
int16_t Pointer_Y(void);
void Set_Pointer_Position(int16_t x, int16_t y);

// Polls the platform's events once, then the buttons held: 0 none, 1 left, 2 right.
int16_t Mouse_Button(void);
int16_t Mouse_Buffer(void);
int16_t Mouse_Buffer2(void);
int16_t Mouse_Buffer_X(void);
int16_t Mouse_Buffer_Y(void);
int16_t Mouse_Buffer_Button(void);
void Set_Buffer_2(int16_t x, int16_t y);
// Empties both click flags.
void Mouse_Clear_Buffers(void);

void Save_Mouse_State(void);
void Restore_Mouse_State(void);

void Save_Mouse_On_Page(int16_t x, int16_t y);
void Save_Mouse_On_Page_(int16_t x, int16_t y);
void Restore_Mouse_On_Page(void);
void Draw_Mouse_On_Page(int16_t x, int16_t y);
void Save_Mouse_Off_Page(int16_t x, int16_t y);
void Restore_Mouse_Off_Page(void);
void Draw_Mouse_Off_Page(int16_t x, int16_t y);
void Copy_Mouse_Off_To_Mouse_Back(void);

int16_t Init_Mouse_Driver(void);
void Reset_System_Mouse(void);

// The platform's mouse callback: buttons 1 left, 2 right; window pixels.
void User_Mouse_Handler(int16_t buttons, int16_t window_x, int16_t window_y);

// For tests: every pointer state back to its start values.
void Mouse_Reset_State(void);
