#include "Dialog_Boxes.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "Animation.h"
#include "Expanding_Box.h"
#include "Fields.h"
#include "Fonts.h"
#include "GENDRAW.h"
#include "Input.h"
#include "LBX_Load.h"
#include "LBX_Pictures.h"
#include "Mouse.h"
#include "Palette.h"
#include "Paragraph.h"
#include "Pictures.h"
#include "SOUND.h"
#include "STU_LE.h"
#include "STU_Log.h"
#include "Video.h"
#include "sdl2_Init.h"
#include "sdl2_PFL.h"

char message_box_text[MESSAGE_BOX_TEXT_SIZE] = {};
int16_t message_box_x = 0;
int16_t message_box_y = 0;
int16_t confirmation_box_x_offset = 0;
int16_t confirmation_box_y_offset = 0;
int16_t m_warning_type = 0;

const uint8_t COL_Dialog_Run[41] = {
    17,  17,  17,  17,  17, 6,  9,  11, 13, 15, 20, 178, 179, 180, 180, 102, 251, 251, 251, 251, 228,
    228, 228, 228, 228, 45, 45, 45, 45, 45, 0,  0,  240, 240, 240, 240, 240, 240, 240, 240, 240,
};
const uint8_t *const COL_ConfirmShadows = COL_Dialog_Run + 0;
const uint8_t *const COL_Dialog_Text = COL_Dialog_Run + 5;
const uint8_t *const COL_ListSel_Shadows = COL_Dialog_Run + 10;
const uint8_t *const COL_ListSel_Titles = COL_Dialog_Run + 15;
const uint8_t *const COL_Warning1 = COL_Dialog_Run + 20;
const uint8_t *const COL_Warning2 = COL_Dialog_Run + 25;

int16_t notify_draw_offscr = 0;
// clang-format off
const uint8_t Notify_Color_Run[56] = {
    // notify_shadow_colors
    240, 240, 240, 240, 240, 240, 240, 240, 240, 240, 240, 240, 240, 240, 240, 20, 20, 20, 20, 20,
    // notify_text_colors
    25, 178, 179, 180, 180, 25, 178, 179, 180, 180, 25, 178, 179, 180, 180, 25, 178, 179, 180, 180,
    // the bytes of notify2_mascot_x1 and the start of notify2_mascot_y1, little-endian
    0xFE, 0xFF, 0x00, 0x00, 0xEA, 0xFF, 0x08, 0x00, 0x02, 0x00, 0x02, 0x00, 0xEC, 0xFF, 0xFC, 0xFF,
};
// clang-format on
const uint8_t *const notify_shadow_colors = Notify_Color_Run + 0;
const uint8_t *const notify_text_colors = Notify_Color_Run + 20;
const int16_t notify2_mascot_x1[NOTIFY_MASCOTS] = {-2, 0, -22, 8, 2};
const int16_t notify2_mascot_y1[NOTIFY_MASCOTS] = {2, -20, -4, -12, -3};
const int16_t notify2_text_x1[NOTIFY_MASCOTS] = {70, 73, 62, 68, 70};

namespace {

constexpr int16_t BOX_TEXT_WIDTH = 166;
constexpr int16_t SELECTION_ROWS_MAX = 10;
constexpr int SELECTION_PICTURES = 38;

// Confirmation and warning.
uint8_t *m_box_top = nullptr;
uint8_t *m_box_bottom = nullptr;
uint8_t *m_warn_pictures[4] = {};
int16_t m_box_text_height = 0;

// Selection.
uint8_t *m_selection_pictures[SELECTION_PICTURES] = {};
const char *const *m_selection_list = nullptr;
const char *m_selection_title = nullptr;
int16_t m_selection_rows = 0;
int16_t m_selection_count = 0;
int16_t m_selection_scroll = 0;
int16_t m_selection_highlight = 0;
int16_t m_sel_x1 = 0, m_sel_y1 = 0, m_sel_x2 = 0, m_sel_y2 = 0;

void Keep_Text(const char *text)
{
    std::snprintf(message_box_text, sizeof(message_box_text), "%s", text != nullptr ? text : "");
}

// Notification.
constexpr uint32_t NOTIFY_BITMAP_BYTES = PICTURE_BITMAP_HEADER + SCREEN_WIDTH * SCREEN_HEIGHT;
const uint8_t *m_human_realm_books = nullptr;
const int16_t *m_front_end_flag = nullptr;
uint8_t *m_notify_box = nullptr;
uint8_t *m_notify_picture_frame = nullptr;
uint8_t *m_notify_gem_frame = nullptr;
uint8_t *m_notify_mascots[NOTIFY_MASCOTS] = {};
uint8_t m_notify_bitmap[NOTIFY_BITMAP_BYTES];
uint8_t *m_notify_pictures[2] = {};
int16_t m_notify_picture_x[2] = {};
int16_t m_notify_picture_y[2] = {};
int16_t m_notify_type = 0;
int16_t m_notify_gem = 0;
int16_t m_notify_mascot = 0;
int16_t m_notify_slide = 0;
int16_t m_notify_cycle = 0;
int16_t m_notify_text_width = 0;

int16_t W(int entry) { return (int16_t)FLIC_Get_Width(m_selection_pictures[entry]); }
int16_t H(int entry) { return (int16_t)FLIC_Get_Height(m_selection_pictures[entry]); }

}  // namespace

void Confirmation_Box_Draw(void)
{
    int16_t x = message_box_x;
    int16_t y = message_box_y;
    int16_t h = m_box_text_height;
    Set_Page_Off();
    Set_Window(0, 0, SCREEN_WIDTH - 1, (int16_t)(y + h + 12));
    Clipped_Draw(x, y, m_box_top);
    Reset_Window();
    Clipped_Draw(x, (int16_t)(y + h + 10), m_box_bottom);
    Set_Font_Colors_15(4, COL_ConfirmShadows);
    Set_Font_Style(4, 15, 15, 0);
    Print_Paragraph((int16_t)(x + 10), (int16_t)(y + 10), BOX_TEXT_WIDTH, message_box_text, PARAGRAPH_LEFT);
    Print_Paragraph((int16_t)(x + 9), (int16_t)(y + 10), BOX_TEXT_WIDTH, message_box_text, PARAGRAPH_LEFT);
    Set_Alias_Color(18);
    Set_Font_Colors_15(4, COL_Dialog_Text);
    Set_Font_Style(4, 4, 15, 0);
    Print_Paragraph((int16_t)(x + 9), (int16_t)(y + 9), BOX_TEXT_WIDTH, message_box_text, PARAGRAPH_LEFT);
}

namespace {
// Test support: each box logs the text it shows, without the colour codes.
void Log_Box_Text(const char *function, const char *text)
{
    char plain[256];
    size_t n = 0;
    for (const char *c = text != nullptr ? text : ""; *c != '\0' && n + 1 < sizeof plain; ++c)
        if ((unsigned char)*c > 3) plain[n++] = *c;
    plain[n] = '\0';
    STU_LOG(SEV_INFO, LC_INPUT, "[BOX] %s: %s", function, plain);
}
}  // namespace

int16_t Confirmation_Box(const char *text)
{
    Log_Box_Text("Confirmation_Box", text);
    Save_Alias_Colors();
    Set_Font_Colors_15(0, COL_Dialog_Text);
    Save_ScreenSeg();
    SAMB_ptr block = Box_Picture_Block();
    m_box_top = LBX_Reload_Picture("RESOURCE", 0, block);
    m_box_bottom = LBX_Reload_Next_Picture("RESOURCE", 1, block);
    uint8_t *yes = LBX_Reload_Next_Picture("RESOURCE", 3, block);
    uint8_t *no = LBX_Reload_Next_Picture("RESOURCE", 4, block);
    Copy_On_To_Off_Page();
    Keep_Text(text);
    Set_Font_Style(4, 4, 15, 0);
    m_box_text_height = Get_Paragraph_Max_Height(BOX_TEXT_WIDTH, message_box_text);
    int16_t h = m_box_text_height;
    message_box_x = (int16_t)(68 + confirmation_box_x_offset);
    message_box_y = (int16_t)((200 - (h + 34)) / 2 + confirmation_box_y_offset);
    int16_t x = message_box_x;
    int16_t y = message_box_y;
    Clear_Fields();
    int16_t yes_field = Add_Button_Field((int16_t)(x + 101), (int16_t)(y + h + 15), "", yes, "Y", -1);
    int16_t no_field = Add_Button_Field((int16_t)(x + 18), (int16_t)(y + h + 15), "", no, "N", -1);
    Add_Hidden_Field(x, y, (int16_t)(x + 185), (int16_t)(y + 63), "", -1);
    const char escape[2] = {(char)KEY_ESCAPE, '\0'};
    int16_t screen_field = Add_Hidden_Field(0, 0, SCREEN_WIDTH - 1, SCREEN_HEIGHT - 1, escape, -1);
    Assign_Auto_Function(Confirmation_Box_Draw, 1);
    int16_t answer = -1;
    int16_t frames = 0;
    while (answer < 0) {
        int16_t input = Get_Input();
        // With the loop's cancel switched on, -1 is a cancel (Esc or the right button), not a
        // right click on the Yes field: it answers No.
        if (input == -1 && mouse_cancel_disabled == 0) {
            answer = 0;
            break;
        }
        int16_t field = (int16_t)std::abs(input);
        if (field != 0 && (field == no_field || field == screen_field)) {
            answer = 0;
        } else if (field != 0 && field == yes_field) {
            answer = 1;
        } else {
            Confirmation_Box_Draw();
            PageFlip_FX();
        }
        // Nobody answers an unattended run: it says No.
        if (answer < 0 && (Platform_Quit_Requested() || Input_Unattended_Frame_Done(&frames))) answer = 0;
    }
    Deactivate_Auto_Function();
    Clear_Fields();
    Restore_Alias_Colors();
    Reset_Window();
    Restore_ScreenSeg();
    return answer;
}

void Warn_Draw(void)
{
    int16_t x = message_box_x;
    int16_t y = message_box_y;
    int16_t h = m_box_text_height;
    int look = m_warning_type == 1 ? 1 : 0;
    Set_Page_Off();
    Set_Window(0, 0, SCREEN_WIDTH - 1, (int16_t)(y + h + 12));
    Clipped_Draw(x, y, m_warn_pictures[look * 2]);
    Reset_Window();
    Set_Font_Colors_15(4, look == 0 ? COL_Warning1 : COL_Warning2);
    Set_Font_Style(4, 15, 15, 0);
    Print_Paragraph((int16_t)(x + 11), (int16_t)(y + 11), BOX_TEXT_WIDTH, message_box_text, PARAGRAPH_CENTERED);
    Print_Paragraph((int16_t)(x + 10), (int16_t)(y + 11), BOX_TEXT_WIDTH, message_box_text, PARAGRAPH_CENTERED);
    Set_Alias_Color(184);
    Set_Font_Style(4, 4, 4, 0);
    Print_Paragraph((int16_t)(x + 10), (int16_t)(y + 10), BOX_TEXT_WIDTH, message_box_text, PARAGRAPH_CENTERED);
    Clipped_Draw(x, (int16_t)(y + h + 10), m_warn_pictures[look * 2 + 1]);
}

void Warn(const char *text)
{
    Save_ScreenSeg();
    SAMB_ptr block = Box_Picture_Block();
    m_warn_pictures[0] = LBX_Reload_Picture("RESOURCE", 38, block);
    m_warn_pictures[1] = LBX_Reload_Next_Picture("RESOURCE", 39, block);
    m_warn_pictures[2] = LBX_Reload_Next_Picture("RESOURCE", 49, block);
    m_warn_pictures[3] = LBX_Reload_Next_Picture("RESOURCE", 50, block);
    Save_Auto_Function();
    Save_Alias_Colors();
    Set_Font_Colors_15(0, COL_Dialog_Text);
    Copy_On_To_Off_Page();
    Keep_Text(text);
    Set_Font_Style(4, 4, 4, 0);
    m_box_text_height = Get_Paragraph_Max_Height(BOX_TEXT_WIDTH, message_box_text);
    message_box_x = 68;
    message_box_y = (int16_t)((200 - (m_box_text_height + 33)) / 2);
    Assign_Auto_Function(Warn_Draw, 1);
    if (m_front_end_flag != nullptr && *m_front_end_flag == 1)
        Play_Standard_Click_DOD();
    else
        Play_Standard_Click();
    Wait_For_Input();
    Restore_Alias_Colors();
    Reset_Window();
    Restore_Auto_Function();
    Restore_ScreenSeg();
}

int16_t Window_Shown(void) { return sdl2_window != nullptr && !Platform_Is_Headless() ? 1 : 0; }

void Warn0(const char *text)
{
    Log_Box_Text("Warn0", text);
    m_warning_type = 0;
    Warn(text);
}

void Warn1(const char *text)
{
    Log_Box_Text("Warn1", text);
    m_warning_type = 1;
    Warn(text);
}

void Selection_Box_Draw(void)
{
    int16_t scroll = m_selection_scroll != 0 ? W(11) : (int16_t)0;
    int16_t under = Scan_Input();
    m_selection_highlight = -1;
    if (under >= 1 && under <= m_selection_rows && under <= m_selection_count)
        m_selection_highlight = (int16_t)(under - 1);
    Copy_Back_To_Off();
    int16_t x1 = m_sel_x1, y1 = m_sel_y1, x2 = m_sel_x2, y2 = m_sel_y2;
    Set_Window(x1, y1, x2, y2);
    Clipped_Draw(x1, y1, m_selection_pictures[5]);
    Clipped_Draw((int16_t)(x1 + W(5)), y1, m_selection_pictures[7]);
    Set_Window(x1, y1, (int16_t)(x2 - 5), y2);
    int16_t row_height = H(12);
    for (int16_t i = 0; i < m_selection_rows; ++i) {
        int16_t row = (int16_t)(i == m_selection_rows - 1 ? 9 : i);
        uint8_t *left = m_selection_pictures[12 + row % 5];
        uint8_t *right = m_selection_pictures[22 + row % 5];
        int16_t frame = i == m_selection_highlight ? 1 : 0;
        Set_Animation_Frame(left, frame);
        Set_Animation_Frame(right, frame);
        int16_t y = (int16_t)(y1 + H(7) + i * row_height);
        Clipped_Draw((int16_t)(x1 + W(5) + scroll), y, left);
        Clipped_Draw((int16_t)(x2 + scroll - W(8) + 1), y, right);
    }
    Set_Window(x1, y1, x2, y2);
    Clipped_Draw((int16_t)(x1 + W(5)), (int16_t)(y2 - H(9) + 1), m_selection_pictures[9]);
    Clipped_Draw(x1, (int16_t)(y2 - H(6) + 1), m_selection_pictures[6]);
    Clipped_Draw((int16_t)(x2 - W(8) + 1), y1, m_selection_pictures[8]);
    Clipped_Draw((int16_t)(x2 - W(10) + 1), (int16_t)(y2 - H(10) + 1), m_selection_pictures[10]);
    if (m_selection_title != nullptr) {
        Set_Font_Colors_15(4, COL_ListSel_Titles);
        Set_Alias_Color(251);
        Print_Centered((int16_t)((x1 + x2) / 2 + 1), (int16_t)(y1 + 5), m_selection_title);
        Set_Font_Colors_15(4, COL_ListSel_Shadows);
        Set_Alias_Color(20);
        Print_Centered((int16_t)((x1 + x2) / 2), (int16_t)(y1 + 4), m_selection_title);
    }
    Reset_Window();
    Set_Font_Style_Shadow_Down(4, 1, 0, 0);
    for (int16_t i = 0; i < m_selection_rows && i < m_selection_count; ++i) {
        if (i == m_selection_highlight) {
            Set_Outline_Color(178);
            Set_Alias_Color(182);
        } else {
            Set_Outline_Color(182);
            Set_Alias_Color(53);
        }
        Print((int16_t)(x1 + W(5) + scroll + 4), (int16_t)(y1 + H(7) + i * row_height + 2), m_selection_list[i]);
    }
}

int16_t Selection_Box(int16_t rows, const char *const *list, int16_t scroll_column, const char *title)
{
    Log_Box_Text("Selection_Box", title);
    Save_Alias_Colors();
    Copy_On_To_Off_Page();
    Copy_Off_To_Back();
    Save_ScreenSeg();
    SAMB_ptr block = Box_Picture_Block();
    static const int16_t order[] = {5, 6, 7, 9, 8, 10, 11, 32, 33, 34, 35, 36, 37};
    bool first = true;
    for (int16_t entry : order) {
        m_selection_pictures[entry] =
            first ? LBX_Reload_Picture("RESOURCE", entry, block) : LBX_Reload_Next_Picture("RESOURCE", entry, block);
        first = false;
    }
    for (int16_t i = 0; i < 5; ++i) {
        m_selection_pictures[12 + i] = LBX_Reload_Next_Picture("RESOURCE", (int16_t)(12 + i), block);
        m_selection_pictures[22 + i] = LBX_Reload_Next_Picture("RESOURCE", (int16_t)(22 + i), block);
    }
    if (rows > SELECTION_ROWS_MAX) rows = SELECTION_ROWS_MAX;
    if (rows < 1) rows = 1;
    m_selection_rows = rows;
    m_selection_list = list;
    m_selection_title = title;
    m_selection_scroll = scroll_column;
    m_selection_count = 0;
    while (list != nullptr && list[m_selection_count] != nullptr && list[m_selection_count][0] != '\0')
        ++m_selection_count;
    Set_Font_Style(4, 0, 0, 0);
    int16_t widest = title != nullptr ? Get_String_Width(title) : (int16_t)0;
    for (int16_t i = 0; i < m_selection_count; ++i) {
        int16_t width = (int16_t)(Get_String_Width(list[i]) + (scroll_column != 0 ? W(11) : 0));
        if (width > widest) widest = width;
    }
    int16_t box_width = (int16_t)(widest + W(5) + W(8) + 8);
    int16_t box_height = (int16_t)(H(7) + H(9) + rows * H(12));
    m_sel_x1 = (int16_t)((SCREEN_WIDTH - box_width) / 2);
    m_sel_y1 = (int16_t)((SCREEN_HEIGHT - box_height) / 2);
    m_sel_x2 = (int16_t)(m_sel_x1 + box_width - 1);
    m_sel_y2 = (int16_t)(m_sel_y1 + box_height - 1);
    m_selection_highlight = 0;
    Assign_Auto_Function(Selection_Box_Draw, 1);
    int16_t answer = -2;
    int16_t unattended_frames = 0;
    int16_t screen_field = 0;
    int16_t shown = 0;
    bool made = false;
    int16_t scroll = scroll_column != 0 ? W(11) : (int16_t)0;
    while (answer == -2) {
        int16_t input = Get_Input();
        if (made && input > 0) {
            if (input == screen_field) {
                answer = -1;
            } else if (input <= shown) {
                answer = (int16_t)(input - 1);
            }
        }
        if (answer != -2) break;
        if (Platform_Quit_Requested() || Input_Unattended_Frame_Done(&unattended_frames)) {
            answer = -1;
            break;
        }
        Set_Page_Off();
        Selection_Box_Draw();
        Clear_Fields();
        shown = 0;
        for (int16_t i = 0; i < rows && i < m_selection_count; ++i) {
            Add_Hidden_Field((int16_t)(m_sel_x1 + W(5) + scroll), (int16_t)(m_sel_y1 + H(7) + i * H(12)),
                             (int16_t)(m_sel_x2 - W(8)), (int16_t)(m_sel_y1 + H(7) + (i + 1) * H(12)), "", -1);
            ++shown;
        }
        Add_Hidden_Field(m_sel_x1, m_sel_y1, m_sel_x2, m_sel_y2, "", -1);
        const char escape[2] = {(char)KEY_ESCAPE, '\0'};
        screen_field = Add_Hidden_Field(0, 0, SCREEN_WIDTH - 1, SCREEN_HEIGHT - 1, escape, -1);
        made = true;
        PageFlip_FX();
    }
    Deactivate_Auto_Function();
    Restore_Alias_Colors();
    Restore_ScreenSeg();
    return answer;
}

void Dialog_Boxes_Register_Game_Data(const uint8_t *human_realm_books, const int16_t *front_end_flag)
{
    m_human_realm_books = human_realm_books;
    m_front_end_flag = front_end_flag;
}

int16_t Notify_Mascot(const int16_t *realm_books)
{
    static const int16_t realm_order[NOTIFY_REALMS] = {3, 2, 4, 0, 1};
    static const int16_t realm_mascot[NOTIFY_REALMS] = {3, 4, 0, 2, 1};
    if (realm_books == nullptr) return realm_mascot[realm_order[0]];
    int16_t chosen = realm_order[0];
    for (int16_t realm : realm_order)
        if (realm_books[realm] > realm_books[chosen]) chosen = realm;
    return realm_mascot[chosen];
}

void Notify_Load(int16_t type)
{
    static const int16_t entries[NOTIFY_TYPES][3] = {{46, 47, 48}, {43, 44, 45}, {40, 41, 42}, {56, 57, 58}};
    Save_ScreenSeg();
    SAMB_ptr block = Box_Picture_Block();
    m_notify_box = LBX_Reload_Picture("RESOURCE", entries[type][0], block);
    m_notify_picture_frame = LBX_Reload_Next_Picture("RESOURCE", entries[type][1], block);
    m_notify_gem_frame = LBX_Reload_Next_Picture("RESOURCE", entries[type][2], block);
    for (int16_t i = 0; i < NOTIFY_MASCOTS; ++i)
        m_notify_mascots[i] = LBX_Reload_Next_Picture("RESOURCE", (int16_t)(NOTIFY_MASCOT_FIRST_ENTRY + i), block);
}

namespace {

void Notify_Slide_Step(int16_t slides)
{
    if (m_notify_slide == 1 && (slides & 1) != 0) {
        Rotate_Palette_Colors(244, 11, m_notify_cycle);
        m_notify_cycle = (int16_t)((m_notify_cycle + 1) % 11);
    } else if (m_notify_slide == 2 && (slides & 2) != 0) {
        Rotate_Palette_Colors(247, 8, m_notify_cycle);
        m_notify_cycle = (int16_t)((m_notify_cycle + 1) % 8);
    }
}

// Renders the caller's picture (its current frame) into the scratch bitmap and draws it.
void Notify_Draw_Picture(uint8_t *picture, int16_t x, int16_t y)
{
    if (picture == nullptr) return;
    // A picture already rendered into a bitmap is drawn as it is.
    if (LE_U16(picture + PICTURE_MAGIC) == PICTURE_BITMAP_MAGIC) {
        Draw_Picture(x, y, picture);
        return;
    }
    uint32_t bytes = PICTURE_BITMAP_HEADER + (uint32_t)FLIC_Get_Width(picture) * FLIC_Get_Height(picture);
    if (bytes > NOTIFY_BITMAP_BYTES) {
        Picture_Warn_Malformed(picture, "larger than the screen; not shown in the notification");
        return;
    }
    Draw_Picture_To_Bitmap(picture, m_notify_bitmap);
    Draw_Picture(x, y, m_notify_bitmap);
}

uint8_t *Notify_Frame(void) { return m_notify_gem != 0 ? m_notify_gem_frame : m_notify_picture_frame; }

void Notify_Shadowed_Text(int16_t x, int16_t y, const uint8_t *shadows, const uint8_t *text_colors)
{
    int16_t width = (int16_t)(m_notify_text_width + 1);
    Set_Font_Colors_15(4, shadows);
    Set_Font_Style(4, 15, 15, 0);
    Print_Paragraph((int16_t)(x + 1), (int16_t)(y + 1), width, message_box_text, PARAGRAPH_LEFT);
    Print_Paragraph(x, (int16_t)(y + 1), width, message_box_text, PARAGRAPH_LEFT);
    if (text_colors == nullptr) {
        Set_Font_Style(4, 4, 15, 0);
        Set_Alias_Color(21);
    } else {
        Set_Font_Colors_15(4, text_colors);
    }
    Print_Paragraph(x, y, width, message_box_text, PARAGRAPH_LEFT);
}

void Notify(bool left_variant, int16_t centre_x, int16_t y, int16_t type, const char *text, int16_t gem_frame,
            uint8_t *picture1, int16_t picture1_x, int16_t picture1_y, uint8_t *picture2, int16_t picture2_x,
            int16_t picture2_y, int16_t colour_slide, int16_t darken)
{
    if (type < 0 || type >= NOTIFY_TYPES) {
        STU_LOG(SEV_WARN, LC_INPUT, "Notification of type %d shown as type 0", (int)type);
        type = 0;
    }
    Notify_Load(type);
    int16_t books[NOTIFY_REALMS] = {};
    if (m_human_realm_books != nullptr)
        for (int realm = 0; realm < NOTIFY_REALMS; ++realm) books[realm] = LE_I16(m_human_realm_books + 2 * realm);
    m_notify_mascot = Notify_Mascot(books);
    m_notify_slide = colour_slide;
    m_notify_cycle = 0;
    Save_Alias_Colors();
    if (notify_draw_offscr == 2) Copy_On_To_Off_Page();
    if (darken == 1) {
        Set_Page_Off();
        Gradient_Fill(0, 0, SCREEN_WIDTH - 1, SCREEN_HEIGHT - 1, 3, 0);
    }
    Copy_Off_To_Back();
    Keep_Text(text);
    m_notify_pictures[0] = picture1;
    m_notify_pictures[1] = picture2;
    m_notify_picture_x[0] = picture1_x;
    m_notify_picture_y[0] = picture1_y;
    m_notify_picture_x[1] = picture2_x;
    m_notify_picture_y[1] = picture2_y;
    m_notify_type = type;
    m_notify_gem = gem_frame;

    Set_Font_Style(4, 0, 0, 0);
    m_notify_text_width = Get_Paragraph_Max_Width(NOTIFY_TEXT_WIDTH, message_box_text, PARAGRAPH_LEFT);
    // A text without lines measures as the layout's unset bounds (-999), which would put the
    // box far off the screen.
    if (m_notify_text_width < 0) m_notify_text_width = 0;
    if (!left_variant) {
        message_box_x = (int16_t)(centre_x - (m_notify_text_width + 96) / 2);
    } else {
        int16_t mascot_x = notify2_mascot_x1[m_notify_mascot];
        message_box_x = (int16_t)(mascot_x < 0 ? 6 - mascot_x : 6);
    }
    message_box_y = y;
    STU_LOG(SEV_INFO, LC_INPUT, "Notification box %d: type %d, mascot %d at (%d, %d)", left_variant ? 2 : 1, (int)type,
            (int)m_notify_mascot, (int)message_box_x, (int)message_box_y);

    Auto_Function draw = left_variant ? Notify2_Draw : Notify1_Draw;
    Assign_Auto_Function(draw, 1);
    Load_Palette_From_Animation(m_notify_box);
    if (picture1 != nullptr) Load_Palette_From_Animation(picture1);
    if (!left_variant) {
        Set_Palette_Changes(224, 255);
        Clear_Palette_Changes(198, 198);
        Update_Remap_Gray_Palette();
        Apply_Palette();
    } else {
        Apply_Palette();
        Set_Palette_Changes(0, 243);
        Clear_Palette_Changes(198, 198);
        Update_Remap_Gray_Palette();
    }
    if (notify_draw_offscr == 1) {
        Set_Page_Off();
        draw();
    } else {
        Wait_For_Input();
    }
    Set_Palette_Changes(0, 223);
    Clear_Palette_Changes(198, 198);
    Update_Remap_Gray_Palette();
    Deactivate_Auto_Function();
    Restore_Alias_Colors();
    Reset_Window();
    Restore_ScreenSeg();
}

}  // namespace

void Notify1_Draw(void)
{
    int16_t x = message_box_x;
    int16_t y = message_box_y;
    int16_t b = m_notify_type == 2 ? (int16_t)50 : (int16_t)0;
    Notify_Slide_Step(3);
    Set_Page_Off();
    Copy_Back_To_Off();
    int16_t frame_x = (int16_t)(x + m_notify_text_width + b + 12);
    Set_Window(0, 0, frame_x, SCREEN_HEIGHT - 1);
    Clipped_Draw(x, y, m_notify_box);
    if (m_notify_type == 2) Clipped_Draw((int16_t)(x - 23), (int16_t)(y - 19), m_notify_mascots[m_notify_mascot]);
    Reset_Window();
    Fill(frame_x, y, (int16_t)(frame_x + 50), (int16_t)(y + 55), 0);
    Clipped_Draw(frame_x, y, Notify_Frame());
    for (int i = 0; i < 2; ++i)
        Notify_Draw_Picture(m_notify_pictures[i], (int16_t)(frame_x + 4 + m_notify_picture_x[i]),
                            (int16_t)(y + m_notify_picture_y[i]));
    if (m_notify_type == 3)
        Notify_Shadowed_Text((int16_t)(x + b + 10), (int16_t)(y + 8), COL_ConfirmShadows, nullptr);
    else
        Notify_Shadowed_Text((int16_t)(x + b + 10), (int16_t)(y + 8), notify_shadow_colors + 5 * m_notify_type,
                             notify_text_colors + 5 * m_notify_type);
    Notify_Slide_Step(3);
}

void Notify2_Draw(void)
{
    int16_t x = message_box_x;
    int16_t y = message_box_y;
    int16_t text_x = notify2_text_x1[m_notify_mascot];
    Notify_Slide_Step(1);
    Set_Page_Off();
    Copy_Back_To_Off();
    int16_t r = (int16_t)(x + m_notify_text_width + text_x);
    // The window reaches x + r + 12, beyond the frame; the page's edge bounds it.
    Set_Window(0, 0, (int16_t)(x + r + 12), SCREEN_HEIGHT - 1);
    Clipped_Draw(x, y, m_notify_box);
    Clipped_Draw((int16_t)(x + notify2_mascot_x1[m_notify_mascot] - 1),
                 (int16_t)(y + notify2_mascot_y1[m_notify_mascot]), m_notify_mascots[m_notify_mascot]);
    Reset_Window();
    Fill((int16_t)(r + 2), y, (int16_t)(r + 47), (int16_t)(y + 55), 0);
    Clipped_Draw((int16_t)(r + 1), y, Notify_Frame());
    for (int i = 0; i < 2; ++i)
        Notify_Draw_Picture(m_notify_pictures[i], (int16_t)(r + 7 + m_notify_picture_x[i]),
                            (int16_t)(y + m_notify_picture_y[i]));
    Notify_Shadowed_Text((int16_t)(x + text_x), (int16_t)(y + 8), notify_shadow_colors + 5 * m_notify_type,
                         notify_text_colors + 5 * m_notify_type);
    Notify_Slide_Step(1);
}

void Notify1(int16_t centre_x, int16_t y, int16_t type, const char *text, int16_t gem_frame, uint8_t *picture1,
             int16_t picture1_x, int16_t picture1_y, uint8_t *picture2, int16_t picture2_x, int16_t picture2_y,
             int16_t colour_slide, int16_t darken)
{
    Log_Box_Text("Notify1", text);
    Notify(false, centre_x, y, type, text, gem_frame, picture1, picture1_x, picture1_y, picture2, picture2_x,
           picture2_y, colour_slide, darken);
}

void Notify2(int16_t ignored, int16_t y, int16_t type, const char *text, int16_t gem_frame, uint8_t *picture1,
             int16_t picture1_x, int16_t picture1_y, uint8_t *picture2, int16_t picture2_x, int16_t picture2_y,
             int16_t colour_slide, int16_t darken)
{
    Log_Box_Text("Notify2", text);
    Notify(true, ignored, y, type, text, gem_frame, picture1, picture1_x, picture1_y, picture2, picture2_x, picture2_y,
           colour_slide, darken);
}
