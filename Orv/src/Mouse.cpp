#include "Mouse.h"

#include <cstring>

#include "Palette.h"
#include "Video.h"
#include "sdl2_PFL.h"

Mouse_List_Entry mouse_list_init[1] = {{0, 0, 0, 0, SCREEN_WIDTH - 1, SCREEN_HEIGHT - 1}};
Mouse_List_Entry mouse_list_default[1] = {{1, 0, 0, 0, SCREEN_WIDTH - 1, SCREEN_HEIGHT - 1}};

int16_t pointer_x = 158;
int16_t pointer_y = 100;
int16_t init_pointer_x = 158;
int16_t init_pointer_y = 100;
int16_t mouse_enabled = 0;
int16_t mouse_driver_installed = 0;
Mouse_Background_Store mouse_off_page_buffer = {};
Mouse_Background_Store mouse_background_buffer = {};

namespace {

// The pointer's own state; Mouse_Reset_State returns it to these values.
struct Mouse_State {
    Mouse_List_Entry *mouse_list = mouse_list_init;
    int16_t mouse_list_count = 1;
    int16_t current_image = 0;
    int16_t current_offset = 0;
    int16_t previous_image = 0;
    int16_t saved_mouse_enabled = 0;
    int16_t handler_busy = 0;
    int16_t no_image_saved_once = 0;

    int16_t click_flag = 0;
    int16_t click_flag2 = 0;
    int16_t click_x = 0;
    int16_t click_y = 0;
    int16_t click_button = 0;
};
Mouse_State m_mouse = {};

uint8_t *Shown_Page(void) { return video_page_buffer[draw_page_num]; }
uint8_t *Off_Page(void) { return video_page_buffer[1 - draw_page_num]; }

// A pointer near the right or bottom edge keeps only the part that lies on the screen.
void Pointer_Extent(int16_t x, int16_t y, int16_t *width, int16_t *height)
{
    *width = x > SCREEN_WIDTH - MOUSE_IMAGE_SIZE ? (int16_t)(SCREEN_WIDTH - x) : (int16_t)MOUSE_IMAGE_SIZE;
    *height = y > SCREEN_HEIGHT - MOUSE_IMAGE_SIZE ? (int16_t)(SCREEN_HEIGHT - y) : (int16_t)MOUSE_IMAGE_SIZE;
}

void Save_Rect(const uint8_t *page, Mouse_Background_Store *store, int16_t x, int16_t y)
{
    if (x < 0 || y < 0 || x >= SCREEN_WIDTH || y >= SCREEN_HEIGHT) return;
    int16_t width = 0;
    int16_t height = 0;
    Pointer_Extent(x, y, &width, &height);
    store->start = (uint16_t)(y * SCREEN_WIDTH + x);
    store->width = width;
    store->height = height;
    for (int row = 0; row < height; ++row) {
        for (int col = 0; col < width; ++col) {
            store->pixels[row * MOUSE_IMAGE_SIZE + col] = page[(y + row) * SCREEN_WIDTH + x + col];
        }
    }
}

void Restore_Rect(uint8_t *page, const Mouse_Background_Store *store)
{
    if (store->width <= 0 || store->height <= 0 || store->width > MOUSE_IMAGE_SIZE ||
        store->height > MOUSE_IMAGE_SIZE) {
        return;
    }
    int x = store->start % SCREEN_WIDTH;
    int y = store->start / SCREEN_WIDTH;
    if (y >= SCREEN_HEIGHT || x + store->width > SCREEN_WIDTH || y + store->height > SCREEN_HEIGHT) return;
    for (int row = 0; row < store->height; ++row) {
        for (int col = 0; col < store->width; ++col) {
            page[(y + row) * SCREEN_WIDTH + x + col] = (uint8_t)store->pixels[row * MOUSE_IMAGE_SIZE + col];
        }
    }
}

void Draw_Image(uint8_t *page, int16_t x, int16_t y)
{
    if (m_mouse.current_image < 1 || m_mouse.current_image > 16 || mouse_palette == nullptr) return;
    if (x < 0 || y < 0 || x >= SCREEN_WIDTH || y >= SCREEN_HEIGHT) return;
    if (Platform_HW_Cursor_Active()) return;
    const uint8_t *image = mouse_palette + (m_mouse.current_image - 1) * MOUSE_IMAGE_SIZE * MOUSE_IMAGE_SIZE;
    int16_t width = 0;
    int16_t height = 0;
    Pointer_Extent(x, y, &width, &height);
    for (int col = 0; col < width; ++col) {
        for (int row = 0; row < height; ++row) {
            uint8_t color = image[col * MOUSE_IMAGE_SIZE + row];
            if (color != 0) page[(y + row) * SCREEN_WIDTH + x + col] = color;
        }
    }
}

}  // namespace

void Set_Mouse_List(int16_t count, Mouse_List_Entry *list)
{
    if (list == nullptr || count < 1) {
        list = mouse_list_init;
        count = 1;
    }
    m_mouse.mouse_list = list;
    m_mouse.mouse_list_count = count;
    m_mouse.current_image = list[0].image_num;
    m_mouse.current_offset = list[0].center_offset;
}

int16_t Mouse_List_Count(void) { return m_mouse.mouse_list_count; }

void Check_Mouse_Shape(int16_t x, int16_t y)
{
    m_mouse.previous_image = m_mouse.current_image;
    for (int i = 1; i < m_mouse.mouse_list_count; ++i) {
        const Mouse_List_Entry &entry = m_mouse.mouse_list[i];
        if (x >= entry.x1 && x <= entry.x2 && y >= entry.y1 && y <= entry.y2) {
            m_mouse.current_image = entry.image_num;
            m_mouse.current_offset = entry.center_offset;
            return;
        }
    }
    m_mouse.current_image = m_mouse.mouse_list[0].image_num;
    m_mouse.current_offset = m_mouse.mouse_list[0].center_offset;
}

int16_t Get_Pointer_Image_Number(void) { return m_mouse.current_image; }
int16_t Get_Pointer_Offset(void) { return m_mouse.current_offset; }
int16_t Get_Previous_Pointer_Image_Number(void) { return m_mouse.previous_image; }
int16_t Pointer_X(void) { return pointer_x; }
int16_t Pointer_Y(void) { return pointer_y; }

void Set_Pointer_Position(int16_t x, int16_t y)
{
    pointer_x = x;
    pointer_y = y;
    if (mouse_driver_installed) Platform_Warp_Mouse(x, y);
}

int16_t Mouse_Button(void)
{
    Platform_Event_Handler();
    return Platform_Get_Mouse_Button_State();
}

int16_t Mouse_Buffer(void)
{
    int16_t flag = m_mouse.click_flag;
    m_mouse.click_flag = 0;
    return flag;
}

int16_t Mouse_Buffer2(void)
{
    int16_t flag = m_mouse.click_flag2;
    m_mouse.click_flag2 = 0;
    return flag;
}

int16_t Mouse_Buffer_X(void) { return m_mouse.click_x; }
int16_t Mouse_Buffer_Y(void) { return m_mouse.click_y; }
int16_t Mouse_Buffer_Button(void) { return m_mouse.click_button; }

void Set_Buffer_2(int16_t x, int16_t y)
{
    m_mouse.click_flag2 = 1;
    m_mouse.click_x = x;
    m_mouse.click_y = y;
}

void Mouse_Clear_Buffers(void)
{
    m_mouse.click_flag = 0;
    m_mouse.click_flag2 = 0;
}

void Save_Mouse_State(void)
{
    m_mouse.saved_mouse_enabled = mouse_enabled;
    mouse_enabled = 0;
}

void Restore_Mouse_State(void) { mouse_enabled = m_mouse.saved_mouse_enabled; }

void Save_Mouse_On_Page(int16_t x, int16_t y)
{
    if (m_mouse.current_image == 0) {
        if (m_mouse.no_image_saved_once) return;
        m_mouse.no_image_saved_once = 1;
    }
    Save_Rect(Shown_Page(), &mouse_background_buffer, x, y);
}

void Save_Mouse_On_Page_(int16_t x, int16_t y) { Save_Rect(Shown_Page(), &mouse_background_buffer, x, y); }

void Restore_Mouse_On_Page(void)
{
    if (m_mouse.previous_image != 0) Restore_Rect(Shown_Page(), &mouse_background_buffer);
}

void Draw_Mouse_On_Page(int16_t x, int16_t y) { Draw_Image(Shown_Page(), x, y); }

void Save_Mouse_Off_Page(int16_t x, int16_t y)
{
    if (m_mouse.current_image == 0 && m_mouse.previous_image == 0) {
        if (m_mouse.no_image_saved_once) return;
        m_mouse.no_image_saved_once = 1;
    }
    Save_Rect(Off_Page(), &mouse_off_page_buffer, x, y);
}

void Restore_Mouse_Off_Page(void)
{
    if (m_mouse.previous_image != 0) Restore_Rect(Off_Page(), &mouse_background_buffer);
}

void Draw_Mouse_Off_Page(int16_t x, int16_t y) { Draw_Image(Off_Page(), x, y); }

void Copy_Mouse_Off_To_Mouse_Back(void) { mouse_background_buffer = mouse_off_page_buffer; }

int16_t Init_Mouse_Driver(void)
{
    mouse_driver_installed = 1;
    m_mouse.handler_busy = 0;
    pointer_x = init_pointer_x;
    pointer_y = init_pointer_y;
    Platform_Warp_Mouse(pointer_x, pointer_y);
    mouse_enabled = 0;
    Mouse_Clear_Buffers();
    return -1;
}

void Reset_System_Mouse(void)
{
    if (!mouse_driver_installed) return;
    mouse_enabled = 0;
    Mouse_Clear_Buffers();
    init_pointer_x = pointer_x;
    init_pointer_y = pointer_y;
    mouse_driver_installed = 0;
}

void User_Mouse_Handler(int16_t buttons, int16_t window_x, int16_t window_y)
{
    int gx = 0;
    int gy = 0;
    if (!Platform_Window_To_Game(window_x, window_y, &gx, &gy)) return;
    pointer_x = (int16_t)gx;
    pointer_y = (int16_t)gy;
    if (m_mouse.handler_busy) return;
    m_mouse.handler_busy = 1;
    if ((buttons & 3) != 0) {
        m_mouse.click_button = (int16_t)(buttons & 3);
        m_mouse.click_flag = 1;
        m_mouse.click_flag2 = 1;
        m_mouse.click_x = pointer_x;
        m_mouse.click_y = pointer_y;
    }
    if (mouse_enabled == 1) {
        mouse_enabled = 0;
        if (m_mouse.mouse_list_count > 1) Check_Mouse_Shape(pointer_x, pointer_y);
        Restore_Mouse_On_Page();
        Save_Mouse_On_Page(pointer_x, pointer_y);
        Draw_Mouse_On_Page(pointer_x, pointer_y);
        mouse_enabled = 1;
    }
    m_mouse.handler_busy = 0;
}

void Mouse_Reset_State(void)
{
    m_mouse = {};
    Set_Mouse_List(1, mouse_list_init);
    pointer_x = init_pointer_x = 158;
    pointer_y = init_pointer_y = 100;
    mouse_enabled = 0;
    mouse_off_page_buffer = {};
    mouse_background_buffer = {};
}
