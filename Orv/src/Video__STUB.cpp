#include "Video__STUB.h"

#include <cstring>
#include <vector>

#include "STU_LE.h"
#include "Video.h"
#include "sdl2_PFL.h"

void Clear_Fields(void)
{
    Hw_Textinput_Stop();
}

void Toggle_Pages(void)
{
    Page_Flip();
}

void Toggle_Pages_No_Draw_Fields(void)
{
    Page_Flip();
}

int16_t pointer_x = 158;
int16_t pointer_y = 100;
int16_t mouse_enabled = 0;
namespace {
int16_t m_saved_mouse_enabled = 0;
}

int16_t Mouse_List_Count(void) { return 1; }
void Check_Mouse_Shape(int16_t x, int16_t y) {}
int16_t Get_Pointer_Image_Number(void) { return 0; }
int16_t Pointer_X(void) { return pointer_x; }
int16_t Pointer_Y(void) { return pointer_y; }

void Save_Mouse_State(void)
{
    m_saved_mouse_enabled = mouse_enabled;
    mouse_enabled = 0;
}

void Restore_Mouse_State(void)
{
    mouse_enabled = m_saved_mouse_enabled;
}

void Save_Mouse_On_Page(int16_t x, int16_t y) {}
void Restore_Mouse_On_Page(void) {}
void Draw_Mouse_On_Page(int16_t x, int16_t y) {}
void Restore_Mouse_Off_Page(void) {}

void User_Mouse_Handler(int16_t buttons, int16_t window_x, int16_t window_y)
{
    int gx = 0;
    int gy = 0;
    if (Platform_Window_To_Game(window_x, window_y, &gx, &gy)) {
        pointer_x = (int16_t)gx;
        pointer_y = (int16_t)gy;
    }
}

uint8_t *Screen_Seg_Grow_Out_Picture__STUB(void)
{
    static uint8_t picture[16 + 64000];
    return picture;
}
