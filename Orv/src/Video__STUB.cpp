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

void Scale_Bitmap(uint8_t *picture, int16_t x_percent, int16_t y_percent)
{
    int width = LE_U16(picture);
    int height = LE_U16(picture + 2);
    int new_width = width * x_percent / 100;
    int new_height = height * y_percent / 100;
    if (new_width <= 0 || new_height <= 0) {
        Create_Picture((int16_t)width, (int16_t)height, picture);
        return;
    }
    if (new_width > width) new_width = width;
    if (new_height > height) new_height = height;
    std::vector<uint8_t> source(picture + 16, picture + 16 + width * height);
    for (int x = 0; x < new_width; ++x) {
        for (int y = 0; y < new_height; ++y) {
            picture[16 + x * new_height + y] = source[(x * width / new_width) * height + y * height / new_height];
        }
    }
    LE_Put_U16(picture + 0, (uint16_t)new_width);
    LE_Put_U16(picture + 2, (uint16_t)new_height);
}

void Replace_Color(uint8_t *picture, uint8_t old_color, uint8_t new_color)
{
    int count = LE_U16(picture) * LE_U16(picture + 2);
    for (int i = 0; i < count; ++i) {
        if (picture[16 + i] == old_color) {
            picture[16 + i] = new_color;
        }
    }
}

uint8_t *Screen_Seg_Grow_Out_Picture__STUB(void)
{
    static uint8_t picture[16 + 64000];
    return picture;
}
